#include "ZORShapeInOutPlugsExt.h"

#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"
#include "ZORMecModServices.h"
#include "ZORSpecObjectOf.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORShapeInOutPlugsExt", "ZORIShapeInOutPlugs",
                     ZORIShapeInOutPlugs::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORShapeInOutPlugsExt>});
  return true;
}();

}  // namespace

HRESULT ZORShapeInOutPlugsExt::QueryInterface(const IID& iid, void** out) {
  if (iid == ZORIShapeInOutPlugs::ClassIID()) {
    const ZORFeature* feature = GetFeature();
    return AnswerIf<ZORIShapeInOutPlugs>(this, feature && IsGeometric(*feature), iid, out);
  }
  return ZORFeatureExtension::QueryInterface(iid, out);
}

ZORISpecObject_var ZORShapeInOutPlugsExt::Neighbour(int step) const {
  ZORFeature* feature = GetFeature();
  ZORFeature* father = feature ? feature->GetFatherFeature() : nullptr;
  if (!father || !ZORMecModServices::IsShapeBody(ZORSpecObjectOf(father))) return nullptr;
  // The father's position index answers without a walk along the children.
  ZORVar<ZORIDescendants> descendants(ZORSpecObjectOf(father));
  if (!descendants) return nullptr;
  const int position = descendants->GetPosition(ZORSpecObjectOf(feature));
  return position > 0 ? descendants->GetChildAtPosition(position + step) : nullptr;
}
