#pragma once
// Datum conversion of point features (kinds that offer ZORIMfPoint): the datum is a point at the
// same place marked as a datum (ZORGmoDatumServices), computed once and then kept.

#include "ZORFeatureExtension.h"
#include "ZORIWENDatum.h"

class ZORWENDatumExt : public ZORFeatureExtension, public ZORIWENDatum {
  ZOR_DECLARE_CLASS(ZORWENDatumExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "GSMInterfaces")

  ZORWENDatumExt() = default;
  HRESULT QueryInterface(const IID& iid, void** out) override;

  // Passes "ZORIWENDatum::ConvertToDatum" first.
  HRESULT ConvertToDatum(ZORListValZORISpecObject_var& results) override;
};
