#include "ZORWENMultiSelManager.h"

#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORIDescendants.h"
#include "ZORIMechanicalFeature.h"
#include "ZORIWENMultiSelFactory.h"
#include "ZORIWENTool.h"
#include "ZORWENMSConverter.h"

namespace {

// Empties both lists when it goes, whatever path the operation took.
class EmptiedOnExit {
 public:
  EmptiedOnExit(ZORListValZORISpecObject_var& first, ZORListValZORISpecObject_var& second)
      : first_(first), second_(second) {}
  ~EmptiedOnExit() {
    first_.RemoveAll();
    second_.RemoveAll();
  }
  EmptiedOnExit(const EmptiedOnExit&) = delete;
  EmptiedOnExit& operator=(const EmptiedOnExit&) = delete;

 private:
  ZORListValZORISpecObject_var& first_;
  ZORListValZORISpecObject_var& second_;
};

void SetToolPrivate(const ZORBaseUnknown_var& feature, int isPrivate) {
  if (ZORIWENTool_var tool{feature}) tool->SetPrivate(isPrivate);
}

}  // namespace

HRESULT ZORWENMultiSelManager::InitializeMS(const ZORIWENFactory_var& factory,
                                            const ZORISpecObject_var& feature,
                                            ZORIWENMultiSel_var& multiSel) {
  if (!factory) return E_FAIL;
  ZORIWENMultiSelFactory_var msFactory(factory->GetFactoryContainer());
  if (!msFactory) return E_FAIL;
  if (!feature) {
    multiSel = msFactory->CreateMultiSel();
    if (!multiSel) return E_FAIL;
  } else if (ZORIWENMultiSel_var existing{feature}) {
    multiSel = existing;
  } else {
    multiSel = ZORWENMSConverter::ReplacePlainFeature(msFactory, feature);
    if (!multiSel) return E_FAIL;
  }
  SetToolPrivate(ZORBaseUnknown_var(multiSel), 0);
  ManageChildrenContextualVisu(multiSel, ZORShowAttr);
  return S_OK;
}

HRESULT ZORWENMultiSelManager::ValidateMS(ZORIWENMultiSel_var& multiSel) {
  if (!multiSel) return E_FAIL;
  multiSel->FinishMultiSel();
  ZORIDescendants_var children(multiSel);
  if (children && children->GetNumberOfChildren() == 1) {
    CollapseOnSingleResult(multiSel);
  } else {
    KeepAsMultiSel(multiSel);
  }
  return E_FAIL;
}

void ZORWENMultiSelManager::CollapseOnSingleResult(const ZORIWENMultiSel_var& multiSel) {
  ZORISpecObject_var msFeature(multiSel);
  ZORISpecObject_var result = ZORIDescendants_var(multiSel)->GetChildAtPosition(1);
  ZORISpecObject_var father = msFeature->GetFather();
  ZORIDescendants_var fatherChildren(father);
  // Without a father the result would have nowhere to stand: the multi-selection stays.
  if (!result || !fatherChildren) return;
  if (ZORIMechanicalFeature_var mechanical{result}) {
    mechanical->SetMechanicalOwner(ZORIMechanicalFeature_var(father));
  }
  // The result takes the multi-selection feature's place before that one leaves the model
  // with whatever is still under it.
  fatherChildren->AddChild(result, fatherChildren->GetPosition(msFeature) + 1);
  multiSel->CleanMultiSel();
  ZORGmoUtilitiesServices::Remove(ZORBaseUnknown_var(msFeature));
  ZORGuiUtilitiesServices::DefineInWorkObject(result);
  ZORGuiUtilitiesServices::ManageContextualFeatureVisu(result, ZORNoShowAttr);
}

void ZORWENMultiSelManager::KeepAsMultiSel(const ZORIWENMultiSel_var& multiSel) {
  SetToolPrivate(ZORBaseUnknown_var(multiSel), 1);
  ZORGuiUtilitiesServices::DefineInWorkObject(ZORISpecObject_var(multiSel));
  ManageChildrenContextualVisu(multiSel, ZORNoShowAttr);
  multiSel->CleanMultiSel();
}

void ZORWENMultiSelManager::ManageChildrenContextualVisu(const ZORIWENMultiSel_var& multiSel,
                                                         ZORShowAttribut show) {
  ZORIDescendants_var children(multiSel);
  if (!children) return;
  ZORListValZORISpecObject_var list;
  children->GetDirectChildren(list);
  for (const ZORISpecObject_var& child : list) {
    ZORGuiUtilitiesServices::ManageContextualFeatureVisu(child, show);
  }
}

HRESULT ZORWENMultiSelManager::DuplicateObjectsMS(ZORIWENMultiSel_var& multiSel,
                                                  const ZORISpecObject_var& matrix,
                                                  ZORListValZORISpecObject_var& inputs1,
                                                  ZORListValZORISpecObject_var& inputs2) {
  const EmptiedOnExit emptied(inputs1, inputs2);
  if (!multiSel) return E_FAIL;
  return ZORWENMSConverter::ConvertToRealFeatures(multiSel, matrix, inputs1, inputs2);
}

HRESULT ZORWENMultiSelManager::InstanciateObjectMS(ZORIWENMultiSel_var& multiSel,
                                                   const ZORISpecObject_var& matrix) {
  if (!multiSel) return E_FAIL;
  multiSel->SetPreviews(ZORRawCollint(), ZORRawCollint());
  ZORListValZORISpecObject_var inputs1, inputs2;
  multiSel->GetVirtualInputs(inputs1, inputs2);
  ZORIWENMultiSelManager_var self(this);
  const HRESULT result = self->DuplicateObjectsMS(multiSel, matrix, inputs1, inputs2);
  ZORListValZORISpecObject_var removed;
  multiSel->GetFeaturesToRemove(removed);
  for (const ZORISpecObject_var& feature : removed) ZORGuiUtilitiesServices::Remove(feature);
  return result;
}

HRESULT ZORWENMultiSelManager::CheckMultiSelCoherency(const ZORBaseUnknown_var& object,
                                                      ZORIEdit_var&, ZORISpecObject_var& feature) {
  return ZORGuiUtilitiesServices::CheckMultioutput(object, feature);
}
