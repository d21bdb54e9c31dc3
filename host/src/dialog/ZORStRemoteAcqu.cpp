#include "ZORStRemoteAcqu.h"

#include "ZORBody.h"
#include "ZORFrmEditor.h"
#include "ZORFrmLayout.h"
#include "ZORVisuHandle.h"

namespace {

// Where the eye line under the pointer meets the body on `path` (the nearest the eye); null
// when the path holds no body or the line misses it.
ZORStAutoDetectionOper_var Detect(const ZORPathElement& path) {
  const ZORBody* body = nullptr;
  const auto objects = path.GetObjects();
  for (auto it = objects.rbegin(); it != objects.rend() && !body; ++it) {
    body = dynamic_cast<const ZORBody*>(it->get());
  }
  if (!body) return nullptr;
  ZORViewer* viewer = ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer();
  const auto hit = ZORViewer::HitBody(*body, ZORViewer::EyeLine(viewer->GetMousePosition()),
                                      viewer->GetPickWindowSize() / ZORViewer::kPixelsPerUnit);
  return hit ? ZORMake<ZORStAutoDetectionOper>(*hit, path) : nullptr;
}

}  // namespace

ZORStRemoteAcqu::ZORStRemoteAcqu(ZORGeoFactory* factory, const ZORString& name, int behavior)
    : ZORPathElementAgent(name, behavior), factory_(factory) {}

ZORStRemoteAcqu::~ZORStRemoteAcqu() = default;

bool ZORStRemoteAcqu::Accept(ZORCommand* sender, ZORNotification* notification) {
  if (ZORDialogAgent::Accept(sender, notification)) return true;
  return DecodeNotification(sender, notification) != 0;
}

int ZORStRemoteAcqu::DecodeNotification(ZORCommand* sender, ZORNotification* notification) {
  // Working a handle is not pointing at the model.
  if (!notification || dynamic_cast<ZORVisuHandle*>(sender)) return 0;
  ZORViewer* viewer = ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer();
  ZORPickPathList picks;
  if (FAILED(viewer->PickUnderMouse(picks))) return 0;
  // The nearest hit on a feature's result; else the point of the view under the pointer.
  ZORPathElement path;
  ZORMathPoint point = viewer->GetMousePosition();
  for (int i = 1; i <= picks.Size(); ++i) {
    if (!picks.GetPath(i)->GetPath().IsSet()) continue;
    path = picks.GetPath(i)->GetPath();
    point = picks.GetPath(i)->GetHitPoint();
    break;
  }
  result_ = ZORMake<ZORStAutoDetectionOper>(point, path);
  PutIntoPSO();
  const bool valued = Prevaluate(&path);
  // This detection stands for the value now held (an earlier one when nothing was detected).
  detected_ = Detection{GetValue() ? *GetValue() : path, viewer->GetMousePosition()};
  return valued ? 1 : 0;
}

ZORStAutoDetectionOper* ZORStRemoteAcqu::GetResult() const {
  const ZORPathElement* value = GetValue();
  if (!value) return result_.get();
  const ZORMathPoint& pointer =
      ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer()->GetMousePosition();
  if (!detected_ || !(detected_->path == *value) || !(detected_->pointer == pointer)) {
    result_ = Detect(*value);
    detected_ = Detection{*value, pointer};
  }
  return result_.get();
}

void ZORStRemoteAcqu::PutIntoPSO() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!result_ || !result_->IsOnElement() || !editor || !editor->GetPSO()) return;
  editor->GetPSO()->Empty();
  editor->GetPSO()->AddElement(result_->GetPath());
}

bool ZORStRemoteAcqu::Prevaluate(ZORPathElement* path) {
  if (!path || !path->IsSet()) return false;
  SetValuationState(2);
  return SetValue(*path);
}

void ZORStRemoteAcqu::ResetAll() {
  result_ = nullptr;
  detected_.reset();
  valuationState_ = 0;
  InitializeAcquisition();
}
