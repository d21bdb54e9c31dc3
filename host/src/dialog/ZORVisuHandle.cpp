#include "ZORVisuHandle.h"

#include "ZORActivate.h"
#include "ZOREndPreactivate.h"
#include "ZORPreactivate.h"

ZORVisuHandle::ZORVisuHandle(ZORCommand* father, const ZORString& name)
    : ZORCommand(father, name),
      preactivate_(ZORMake<ZORPreactivate>()),
      endPreactivate_(ZORMake<ZOREndPreactivate>()),
      activate_(ZORMake<ZORActivate>()) {}

ZORVisuHandle::~ZORVisuHandle() = default;

bool ZORVisuHandle::MoveOver() {
  if (!IsPickable()) return false;
  if (preactivated_) return true;
  preactivated_ = true;
  Send(preactivate_.get());
  return true;
}

bool ZORVisuHandle::MoveAway() {
  if (!preactivated_) return false;
  preactivated_ = false;
  Send(endPreactivate_.get());
  return true;
}

bool ZORVisuHandle::Click() {
  if (!IsPickable() || !MoveOver()) return false;
  Send(activate_.get());
  return true;
}

void ZORVisuHandle::Send(ZORNotification* notification) {
  ZORVar<ZORVisuHandle> alive(this);
  SendNotification(this, notification);
}
