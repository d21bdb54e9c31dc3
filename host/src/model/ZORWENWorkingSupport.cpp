#include "ZORWENWorkingSupport.h"

#include "ZORIdentityOf.h"

HRESULT ZORWENWorkingSupport::AddCreatedFeature(const ZORISpecObject_var& feature) {
  if (!feature) return E_FAIL;
  if (!createdIdentities_.insert(ZORIdentityOf(feature)).second) return S_OK;
  created_.Append(feature);
  return S_OK;
}

void ZORWENWorkingSupport::GetCreatedFeatures(ZORListValZORISpecObject_var& features) {
  features = created_;
}
