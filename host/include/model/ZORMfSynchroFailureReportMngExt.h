#pragma once
// The synchronisation failure report of the part ("MechanicalPart"). The host keeps the features
// handed to it, in order, for the driver and tests to read; it lives as long as the part.

#include <vector>

#include "ZORFeatureExtension.h"
#include "ZORIMfSynchroFailureReportMng.h"

class ZORMfSynchroFailureReportMngExt : public ZORFeatureExtension,
                                        public ZORIMfSynchroFailureReportMng {
  ZOR_DECLARE_CLASS(ZORMfSynchroFailureReportMngExt, ZORFeatureExtension,
                    ZORMetaObject::DataExtension, "MechanicalModeler")
  ZOR_IMPLEMENTS(ZORFeatureExtension, ZORIMfSynchroFailureReportMng)

  ZORMfSynchroFailureReportMngExt() = default;

  // Passes "ZORIMfSynchroFailureReportMng::ManageEditedFeature" first.
  HRESULT ManageEditedFeature(const ZORISpecObject_var& feature) override;

  // The features handed over so far, in order (a feature handed twice is listed twice).
  const std::vector<ZORISpecObject_var>& GetManagedFeatures() const { return managed_; }
  // The report of `part`; null for an object that is not a part.
  static ZORMfSynchroFailureReportMngExt* Of(ZORBaseUnknown* part);

 private:
  std::vector<ZORISpecObject_var> managed_;
};
