#pragma once
// Sent by a manipulator when the user starts dragging it.

#include "ZORNotification.h"

class ZORBeginManipulate : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORBeginManipulate, ZORNotification, ZORMetaObject::Implementation,
                    "Visualization")
};
