#include "ZORWENMSConverter.h"

#include "ZORGmoUtilitiesCCP.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORIDescendants.h"
#include "ZORIMechanicalFeature.h"
#include "ZORIMfBRep.h"
#include "ZORISpecAttrAccess.h"
#include "ZORIWENMultiSelAccess.h"
#include "strWENCompo.h"

HRESULT ZORWENMSConverter::ConvertToRealFeatures(const ZORIWENMultiSel_var& multiSel,
                                                 const ZORISpecObject_var& matrix,
                                                 const ZORListValZORISpecObject_var& inputs1,
                                                 const ZORListValZORISpecObject_var& inputs2) {
  ZORIDescendants_var children(multiSel);
  if (!children || !matrix) return E_FAIL;
  const bool paired = !inputs2.IsEmpty();
  if (paired && inputs2.Size() != inputs1.Size()) return E_FAIL;

  ZORIWENMultiSelAccess_var matrixAccess(matrix);
  const ZORBaseUnknown_var container = matrix->GetFeatContainer();
  // Real features stay together ahead of the other children: each copy goes right after the
  // previous one, found once rather than by a walk per copy.
  int position = FirstPlainChildPosition(multiSel);
  HRESULT result = S_OK;
  for (int i = 1; i <= inputs1.Size(); ++i) {
    const ZORISpecObject_var input2 = paired ? inputs2[i] : ZORISpecObject_var();
    if (matrixAccess) {
      matrixAccess->SetMultiSelInput(1, inputs1[i]);
      if (paired) matrixAccess->SetMultiSelInput(2, input2);
    }
    ZORISpecObject_var copy =
        ZORGmoUtilitiesCCP::DuplicateSpec(ZORBaseUnknown_var(matrix), container, 1);
    if (!copy || FAILED(children->AddChild(copy, position))) {
      // A copy that found no place would stay in the document outside the tree.
      if (copy) ZORGmoUtilitiesServices::Remove(copy);
      result = E_FAIL;
      continue;
    }
    ++position;
    if (ZORIWENMultiSelAccess_var copyAccess{copy}) {
      copyAccess->SetMultiSelInput(1, inputs1[i]);
      if (paired) copyAccess->SetMultiSelInput(2, input2);
    }
    OwnInputs(copy, matrix, inputs1[i], input2);
  }
  return result;
}

ZORIWENMultiSel_var ZORWENMSConverter::ReplacePlainFeature(
    const ZORIWENMultiSelFactory_var& factory, const ZORISpecObject_var& plain) {
  ZORIDescendants_var fatherChildren(plain ? plain->GetFather() : nullptr);
  if (!factory || !fatherChildren) return nullptr;
  const int position = fatherChildren->GetPosition(plain);
  ZORIWENMultiSel_var created = factory->CreateMultiSel();
  ZORISpecObject_var createdSpec(created);
  if (!createdSpec || FAILED(fatherChildren->AddChild(createdSpec, position))) {
    if (createdSpec) ZORGmoUtilitiesServices::Remove(createdSpec);
    return nullptr;
  }
  if (ZORIMechanicalFeature_var mechanical{plain}) {
    mechanical->SetMechanicalOwner(ZORIMechanicalFeature_var(created));
  }
  ZORIDescendants_var(created)->AddChild(plain, 1);
  return created;
}

void ZORWENMSConverter::OwnInputs(const ZORISpecObject_var& copy, const ZORISpecObject_var& matrix,
                                  const ZORISpecObject_var& input1,
                                  const ZORISpecObject_var& input2) {
  for (const ZORISpecObject_var& input : {input1, input2}) {
    if (!input) continue;
    const bool owned = ZORIMfBRep_var(input) || input->GetFather() == matrix;
    ZORISpecAttrAccess_var links(input);
    if (owned && links) links->LinkTo(strWENCompo.c_str(), copy, strWENCompo.c_str());
  }
}

int ZORWENMSConverter::FirstPlainChildPosition(const ZORIWENMultiSel_var& multiSel) {
  ZORIDescendants_var children(multiSel);
  const int count = children->GetNumberOfChildren();
  for (int position = 1; position <= count; ++position) {
    if (!ZORIWENMultiSelAccess_var(children->GetChildAtPosition(position))) return position;
  }
  return count + 1;
}
