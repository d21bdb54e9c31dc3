#pragma once
// Sent by a manipulator when the user asks for its contextual menu.

#include "ZORNotification.h"

class ZORContext : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORContext, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
