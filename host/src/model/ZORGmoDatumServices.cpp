#include "ZORGmoDatumServices.h"

#include "ZORFeature.h"

HRESULT ZORGmoDatumServices::SetDatum(const ZORBaseUnknown_var& object, int datum) {
  ZORFeature* feature = ZORFeature::From(object.get());
  ZORISpecAttrAccess_var attributes(static_cast<ZORBaseUnknown*>(feature));
  if (!attributes) return E_FAIL;
  if (IsDatum(*feature) == (datum != 0)) return S_OK;
  return datum ? attributes->AddAttribute(kDatumAttribute, 0, 0)
               : attributes->RemoveAttribute(kDatumAttribute);
}

int ZORGmoDatumServices::IsDatum(const ZORBaseUnknown_var& object) {
  ZORFeature* feature = ZORFeature::From(object.get());
  return feature && IsDatum(*feature) ? 1 : 0;
}

bool ZORGmoDatumServices::IsDatum(ZORFeature& feature) {
  return static_cast<bool>(feature.GetAttrKey(kDatumAttribute));
}
