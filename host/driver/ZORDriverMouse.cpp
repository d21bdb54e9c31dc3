#include "ZORDriverMouse.h"

#include "ZORActivate.h"
#include "ZORDriver.h"
#include "ZORFrmLayout.h"
#include "ZORIndicationSegment.h"
#include "ZORStateCommand.h"

bool ZORDriverMouse::Move(const ZORMathPoint& under) {
  return Send(under, false);
}

bool ZORDriverMouse::Click(const ZORMathPoint& under) {
  return Send(under, true);
}

bool ZORDriverMouse::Send(const ZORMathPoint& under, bool clicked) {
  ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer()->SetMousePosition(under);
  ZORStateCommand* command = driver_.CurrentCommand();
  const bool sent = command && command->IsActive();
  if (sent) {
    auto viewer = ZORMake<ZORCommand>(nullptr, ZORString("Viewer"));
    // A click is an activation; a move a plain notification.
    ZORVar<ZORNotification> notification =
        clicked ? ZORVar<ZORNotification>(ZORMake<ZORActivate>()) : ZORMake<ZORNotification>();
    auto eye = ZORMake<ZORIndicationSegment>(ZORViewer::EyeLine(under), clicked);
    notification->SendObject(eye.get());
    viewer->SendNotification(command, notification.get());
  }
  driver_.EndTransaction();
  return sent;
}
