#pragma once
// The optional attribute map of geometric features. The host maps nothing; it counts the
// refreshes so that the driver and tests can see which features an edition refreshed. The count
// lives as long as the feature and is not part of the model (undo leaves it).

#include "ZORFeatureExtension.h"
#include "ZORIWENOptionalAttrMapManager.h"

class ZORWENOptionalAttrMapManagerExt : public ZORFeatureExtension,
                                        public ZORIWENOptionalAttrMapManager {
  ZOR_DECLARE_CLASS(ZORWENOptionalAttrMapManagerExt, ZORFeatureExtension,
                    ZORMetaObject::DataExtension, "GSMInterfaces")

  ZORWENOptionalAttrMapManagerExt() = default;
  HRESULT QueryInterface(const IID& iid, void** out) override;

  // Passes "ZORIWENOptionalAttrMapManager::Refresh" first.
  HRESULT Refresh() override;

  int GetRefreshCount() const { return refreshes_; }
  // The refreshes of `feature` so far; 0 for an object without the interface.
  static int RefreshCountOf(ZORBaseUnknown* feature);

 private:
  int refreshes_ = 0;
};
