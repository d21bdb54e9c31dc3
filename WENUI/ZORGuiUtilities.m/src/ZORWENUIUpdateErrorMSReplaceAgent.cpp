#include "ZORWENUIUpdateErrorMSReplaceAgent.h"

ZORISpecObject_var ZORWENUIUpdateErrorMSReplaceAgent::FeatureOf(const ZORPathElement* path) {
  if (!path) return nullptr;
  const auto& objects = path->GetObjects();
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    if (ZORISpecObject_var feature{*it}) return feature;
  }
  return nullptr;
}

bool ZORWENUIUpdateErrorMSReplaceAgent::ExtraCheckPath(ZORPathElement* path, int mode) {
  candidate_ = path ? *path : ZORPathElement();
  return ZORWENUIFeatureAgent::ExtraCheckPath(path, mode);
}

void ZORWENUIUpdateErrorMSReplaceAgent::InitializeAcquisition() {
  ZORWENUIFeatureAgent::InitializeAcquisition();
  candidate_ = ZORPathElement();
}
