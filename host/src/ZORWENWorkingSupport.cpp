#include "ZORWENWorkingSupport.h"

HRESULT ZORWENWorkingSupport::AddCreatedFeature(const ZORISpecObject_var& feature) {
  if (!feature) return E_FAIL;
  for (const ZORISpecObject_var& known : created_) {
    if (known.get() == feature.get()) return S_OK;
  }
  created_.Append(feature);
  return S_OK;
}

void ZORWENWorkingSupport::GetCreatedFeatures(ZORListValZORISpecObject_var& features) {
  features = created_;
}
