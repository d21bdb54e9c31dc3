#pragma once
// Sent by a manipulator at each step of a drag; its new position is read from it.

#include "ZORNotification.h"

class ZORManipulate : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORManipulate, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
