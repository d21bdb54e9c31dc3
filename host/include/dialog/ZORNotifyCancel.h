#pragma once

#include "ZORNotification.h"

// Sent by a state command to itself: the host then cancels that command.
class ZORNotifyCancel : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORNotifyCancel, ZORNotification, ZORMetaObject::Implementation, "System")
};
