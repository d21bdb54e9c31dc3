#include "ZORWENUIStackStateCommand.h"

int ZORWENUIStackStateCommand::UpdateErrorMS = 0;

HRESULT ZORWENUIStackStateCommand::RunUpdate(ZORISpecObject_var feature, int, int) {
  if (!feature) return E_FAIL;
  if (feature->IsUpToDate()) return S_OK;
  return feature->Update();
}

HRESULT ZORWENUIStackStateCommand::UpdateCurrentFeature(const ZORISpecObject_var& feature, int,
                                                        int) {
  return SetCurrentFeature(feature);
}
