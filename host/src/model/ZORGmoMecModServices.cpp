#include "ZORGmoMecModServices.h"

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORIDescendants.h"
#include "ZORIMmiContextualManager.h"
#include "ZORIPrtPart.h"
#include "ZORISpecObject.h"
#include "ZORSpecObjectOf.h"

HRESULT ZORGmoMecModServices::GetContextualChildren(const ZORBaseUnknown_var& feature,
                                                    ZORListValZORISpecObject_var& children, int) {
  if (!ZORFaultGate::Pass("ZORGmoMecModServices::GetContextualChildren")) return E_FAIL;
  ZORISpecObject_var specObject(feature);
  ZORVar<ZORIDescendants> descendants(feature);
  if (!specObject || !descendants) return E_FAIL;
  // The part and its tools hold the document's features, not contextual ones.
  if (ZORVar<ZORIPrtPart>(feature) || ZORVar<ZORIPrtPart>(specObject->GetFather())) return S_OK;
  // Only the children made for the feature: a multi-selection's results, say, are not.
  ZORListValZORISpecObject_var direct;
  descendants->GetDirectChildren(direct);
  for (const ZORISpecObject_var& child : direct) {
    ZORIMmiContextualManager_var contextual(child);
    if (contextual && contextual->IsContextual()) children.Append(child);
  }
  return S_OK;
}

HRESULT ZORGmoMecModServices::GetInternalMechanicalChildren(
    const ZORBaseUnknown_var& feature, ZORListValZORISpecObject_var& children) {
  if (!ZORFaultGate::Pass("ZORGmoMecModServices::GetInternalMechanicalChildren")) return E_FAIL;
  const ZORFeature* f = ZORFeature::From(feature.get());
  if (!f) return E_FAIL;
  for (const ZORFeature_var& child : f->GetChildren()) {
    if (child->IsInternal()) children.Append(ZORSpecObjectOf(child));
  }
  return S_OK;
}
