#include "ZORGmoMecModServices.h"

#include "ZORFaultGate.h"
#include "ZORIDescendants.h"
#include "ZORIPrtPart.h"
#include "ZORISpecObject.h"

HRESULT ZORGmoMecModServices::GetContextualChildren(const ZORBaseUnknown_var& feature,
                                                    ZORListValZORISpecObject_var& children, int) {
  if (!ZORFaultGate::Pass("ZORGmoMecModServices::GetContextualChildren")) return E_FAIL;
  ZORISpecObject_var specObject(feature);
  ZORVar<ZORIDescendants> descendants(feature);
  if (!specObject || !descendants) return E_FAIL;
  // The part and its tools hold the document's features, not contextual ones.
  if (ZORVar<ZORIPrtPart>(feature) || ZORVar<ZORIPrtPart>(specObject->GetFather())) return S_OK;
  ZORListValZORISpecObject_var direct;
  descendants->GetDirectChildren(direct);
  children.Append(direct);
  return S_OK;
}
