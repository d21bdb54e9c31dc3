#include "ZORWENFeatureTypeExt.h"

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORWENFeatureTypeExt", "ZORIWENFeatureType", ZORIWENFeatureType::ClassIID(),
                     "ZORFeature", &ZORExtensionCreator<ZORWENFeatureTypeExt>});
  return true;
}();

}  // namespace

HRESULT ZORWENFeatureTypeExt::QueryInterface(const IID& iid, void** out) {
  if (iid == ZORIWENFeatureType::ClassIID()) {
    const ZORFeature* feature = GetFeature();
    return AnswerIf<ZORIWENFeatureType>(this, feature && IsGeometric(*feature), iid, out);
  }
  return ZORFeatureExtension::QueryInterface(iid, out);
}

HRESULT ZORWENFeatureTypeExt::SetFeatureType(int type) {
  if (!ZORFaultGate::Pass("ZORIWENFeatureType::SetFeatureType")) return E_FAIL;
  ZORFeature* feature = GetFeature();
  if (!feature) return E_FAIL;
  if (type != kOrdinary && type != kMadeForInput) return E_INVALIDARG;
  feature->SetWENFeatureType(type);
  return S_OK;
}

int ZORWENFeatureTypeExt::GetFeatureType() {
  const ZORFeature* feature = GetFeature();
  return feature ? feature->GetWENFeatureType() : kOrdinary;
}
