#include "ZORMmrOrderingServices.h"

#include "ZORFeature.h"

bool ZORMmrOrderingServices::CheckLink(const ZORBaseUnknown_var& from,
                                       const ZORBaseUnknown_var& to) {
  const ZORFeature* user = ZORFeature::From(from.get());
  const ZORFeature* used = ZORFeature::From(to.get());
  if (!user || !used || user == used || !used->IsInDocument() ||
      user->GetDocument() != used->GetDocument()) {
    return false;
  }
  return !user->IsUsedBy(*used);
}
