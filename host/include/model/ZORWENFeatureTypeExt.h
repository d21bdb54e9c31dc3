#pragma once
// The workbench classification of geometric features, kept in the feature's state
// (ZORFeature::GetWENFeatureType), so that undo gives it back and the dump shows it.

#include "ZORFeatureExtension.h"
#include "ZORIWENFeatureType.h"

class ZORWENFeatureTypeExt : public ZORFeatureExtension, public ZORIWENFeatureType {
  ZOR_DECLARE_CLASS(ZORWENFeatureTypeExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "GSMInterfaces")

  ZORWENFeatureTypeExt() = default;
  HRESULT QueryInterface(const IID& iid, void** out) override;

  // Passes "ZORIWENFeatureType::SetFeatureType" first.
  HRESULT SetFeatureType(int type) override;
  int GetFeatureType() override;
};
