#pragma once
// Sent by a manipulator when the pointer moves over it while it is preactivated.

#include "ZORNotification.h"

class ZORMove : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORMove, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
