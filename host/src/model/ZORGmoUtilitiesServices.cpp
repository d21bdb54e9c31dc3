#include "ZORGmoUtilitiesServices.h"

#include "LifeCycleObject.h"
#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORIBasicTool.h"
#include "ZORIMmiContextualManager.h"
#include "ZORIPrtPart.h"
#include "ZORISpecObject.h"
#include "ZORMecModServices.h"
#include "ZOROrientationFlagExt.h"

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
    ZOROrientationFlagExt::ApplyFlag(*from);
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

int ZORGmoUtilitiesServices::IsFeatureInShapeBody(const ZORBaseUnknown_var& feature) {
  ZORFeature* f = ZORFeature::From(feature.get());
  for (ZORFeature* up = f ? f->GetFatherFeature() : nullptr; up; up = up->GetFatherFeature()) {
    if (ZORFeatureTypeRegistry::Get().IsSubTypeOf(up->GetFeatureType(), "ShapeBody")) {
      return 1;
    }
  }
  return 0;
}

HRESULT ZORGmoUtilitiesServices::ManageAsGroupInput(const ZORBaseUnknown_var& feature) {
  if (!ZORFaultGate::Pass("ZORGmoUtilitiesServices::ManageAsGroupInput")) return E_FAIL;
  ZORFeature* f = ZORFeature::From(feature.get());
  if (!f) return E_FAIL;
  f->SetGroupInput();
  return S_OK;
}

HRESULT ZORGmoUtilitiesServices::RemoveBRep(const ZORBaseUnknown_var& feature) {
  if (!ZORFaultGate::Pass("ZORGmoUtilitiesServices::RemoveBRep")) return E_FAIL;
  ZORIMfBRep_var brep(feature);
  ZORISpecAttrAccess_var attributes(feature);
  if (!brep || !attributes) return E_FAIL;
  ZORListValZORISpecObject_var pointing;
  if (FAILED(attributes->ListPointingObjects(pointing))) return E_FAIL;
  if (!pointing.IsEmpty()) return S_FALSE;
  return Remove(feature);
}

namespace {

bool IsPartOrTool(const ZORISpecObject_var& father) {
  return father && (ZORIPrtPart_var(father) || ZORIBasicTool_var(father) ||
                    ZORMecModServices::IsShapeBody(father));
}

}  // namespace

HRESULT ZORGmoUtilitiesServices::ConvertOldContextualFeatures(const ZORBaseUnknown_var& part,
                                                              int* converted) {
  if (converted) *converted = 0;
  if (!ZORFaultGate::Pass("ZORGmoUtilitiesServices::ConvertOldContextualFeatures")) return E_FAIL;
  ZORFeature* partFeature = ZORFeature::From(part.get());
  if (!partFeature || !ZORIPrtPart_var(part)) return E_FAIL;
  int count = 0;
  for (ZORFeature* feature : partFeature->GetDocument()->GetFeatures()) {
    ZORIMmiContextualManager_var contextual{ZORBaseUnknown_var(feature)};
    if (!contextual || !contextual->IsContextual()) continue;
    if (!IsPartOrTool(ZORISpecObject_var(feature)->GetFather())) continue;
    contextual->SetContextual(0);
    ++count;
  }
  if (converted) *converted = count;
  return S_OK;
}
