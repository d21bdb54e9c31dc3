#pragma once
// Sent by a manipulator when its contextual menu is closed.

#include "ZORNotification.h"

class ZOREndContext : public ZORNotification {
  ZOR_DECLARE_CLASS(ZOREndContext, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
