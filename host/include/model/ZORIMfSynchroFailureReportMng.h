#pragma once
// The part's report of features whose synchronisation with their inputs failed: a command that
// edited a feature hands it over, so that the report covers it again.

#include "ZORISpecObject.h"

class ZORIMfSynchroFailureReportMng : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMfSynchroFailureReportMng)

  // E_FAIL for null, for the part itself or for a feature of another document.
  virtual HRESULT ManageEditedFeature(const ZORISpecObject_var& feature) = 0;
};

ZOR_DEFINE_IID(ZORIMfSynchroFailureReportMng);
using ZORIMfSynchroFailureReportMng_var = ZORVar<ZORIMfSynchroFailureReportMng>;
