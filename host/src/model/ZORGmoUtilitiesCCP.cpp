#include "ZORGmoUtilitiesCCP.h"

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORIPrtContainer.h"

ZORISpecObject_var ZORGmoUtilitiesCCP::DuplicateSpec(const ZORBaseUnknown_var& feature,
                                                     const ZORBaseUnknown_var& container,
                                                     int withInputs) {
  if (!ZORFaultGate::Pass("ZORGmoUtilitiesCCP::DuplicateSpec")) return nullptr;
  ZORFeature* source = ZORFeature::From(feature.get());
  ZORFeature* target =
      ZORIPrtContainer_var(container) ? ZORFeature::From(container.get()) : nullptr;
  if (!source || !target || !target->GetDocument()) return nullptr;
  ZORFeature_var copy = target->GetDocument()->Duplicate(*source, withInputs != 0);
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(copy.get()));
}
