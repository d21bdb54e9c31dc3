#include "ZORDriverMouse.h"

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
    auto notification = ZORMake<ZORNotification>();
    auto eye = ZORMake<ZORIndicationSegment>(ZORMathLine(under, {0, 0, -1}), clicked);
    notification->SendObject(eye.get());
    viewer->SendNotification(command, notification.get());
  }
  driver_.EndTransaction();
  return sent;
}
