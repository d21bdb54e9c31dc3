#pragma once
// Offered by splits and trims: what their last build found wrong, kept until it is cleared or
// the next build replaces it.

#include "ZORGmoBuildDiagnosisDataSplitTrim.h"

class ZORIWENBuildDiagnosis : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENBuildDiagnosis)

  //! The diagnosis of the last build; null (and S_OK) when it found nothing or was cleared.
  virtual HRESULT GetBuildDiagnosisData(ZORGmoBuildDiagnosisDataSplitTrim_var& data) = 0;
  //! Forgets the diagnosis until the next build.
  virtual HRESULT CleanBuildDiagnosisData() = 0;
};

ZOR_DEFINE_IID(ZORIWENBuildDiagnosis);
using ZORIWENBuildDiagnosis_var = ZORVar<ZORIWENBuildDiagnosis>;
