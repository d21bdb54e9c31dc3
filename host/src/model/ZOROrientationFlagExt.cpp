#include "ZOROrientationFlagExt.h"

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  for (const char* type : {"WENLine", "WENPlane"}) {
    ZORFillDictionary({"ZOROrientationFlagExt", "ZORIOrientationFlag",
                       ZORIOrientationFlag::ClassIID(), type,
                       &ZORExtensionCreator<ZOROrientationFlagExt>});
  }
  return true;
}();

}  // namespace

HRESULT ZOROrientationFlagExt::SetOrientationFlag(int flag) {
  if (!ZORFaultGate::Pass("ZORIOrientationFlag::SetOrientationFlag")) return E_FAIL;
  flag_ = flag != 0 ? 1 : 0;
  return S_OK;
}

int ZOROrientationFlagExt::GetOrientation() {
  const ZORFeature* feature = ZORFeature::From(GetExtendedObject());
  return feature && IsInverted(*feature) ? -1 : 1;
}

bool ZOROrientationFlagExt::IsInverted(const ZORFeature& feature) {
  return feature.GetValue(kOrientationValue, 1.0) < 0.0;
}

HRESULT ZOROrientationFlagExt::ApplyFlag(ZORFeature& feature) {
  ZORIOrientationFlag_var flag(static_cast<ZORBaseUnknown*>(&feature));
  if (!flag || !flag->GetOrientationFlag()) return S_FALSE;
  feature.SetValue(kOrientationValue, IsInverted(feature) ? 1.0 : -1.0);
  return S_OK;
}
