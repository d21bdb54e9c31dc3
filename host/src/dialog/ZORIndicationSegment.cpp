#include "ZORIndicationSegment.h"

#include "ZORFrmLayout.h"

const ZORPathElement& ZORIndicationSegment::GetPath() const {
  if (picked_) return path_;
  picked_ = true;
  ZORViewer* viewer = ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer();
  ZORPickPathList picks;
  if (FAILED(viewer->Pick(line_.GetOrigin(), viewer->GetPickWindowSize(), 0, picks))) return path_;
  for (int i = 1; i <= picks.Size() && !path_.IsSet(); ++i) path_ = picks.GetPath(i)->GetPath();
  return path_;
}
