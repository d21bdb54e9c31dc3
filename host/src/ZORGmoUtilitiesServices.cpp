#include "ZORGmoUtilitiesServices.h"

#include "LifeCycleObject.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORISpecObject.h"

ZORUnicodeString ZORGmoUtilitiesServices::GetSpecDisplayName(const ZORBaseUnknown_var& feature) {
  ZORISpecObject_var specObject(feature);
  return specObject ? specObject->GetDisplayName() : ZORUnicodeString();
}

int ZORGmoUtilitiesServices::IsUpToDate(const ZORBaseUnknown_var& feature) {
  ZORISpecObject_var specObject(feature);
  return specObject ? specObject->IsUpToDate() : 0;
}

HRESULT ZORGmoUtilitiesServices::Update(const ZORBaseUnknown_var& feature) {
  ZORISpecObject_var specObject(feature);
  return specObject ? specObject->Update() : E_FAIL;
}

HRESULT ZORGmoUtilitiesServices::Remove(const ZORBaseUnknown_var& feature) {
  LifeCycleObject_var lifeCycle(feature);
  return lifeCycle ? lifeCycle->remove(0) : E_FAIL;
}

HRESULT ZORGmoUtilitiesServices::Replace(const ZORBaseUnknown_var& replaced,
                                         const ZORBaseUnknown_var& kept, int) {
  if (!ZORFaultGate::Pass("ZORGmoUtilitiesServices::Replace")) return E_FAIL;
  ZORFeature* from = ZORFeature::From(replaced.get());
  ZORFeature* to = ZORFeature::From(kept.get());
  if (!from || !to) return E_FAIL;
  if (from == to) {
    from->MarkOutOfDate();
    return S_OK;
  }
  HRESULT result = S_OK;
  for (ZORFeature* user : from->GetUsers()) {
    for (const auto& [role, target] : user->GetInputs()) {
      if (target != from) continue;
      if (FAILED(user->SetInput(role, kept))) result = E_FAIL;
    }
  }
  return result;
}
