#include "ZORStRemoteAcqu.h"

#include "ZORFrmEditor.h"
#include "ZORFrmLayout.h"
#include "ZORVisuHandle.h"

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
  return Prevaluate(&path) ? 1 : 0;
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
  valuationState_ = 0;
  InitializeAcquisition();
}
