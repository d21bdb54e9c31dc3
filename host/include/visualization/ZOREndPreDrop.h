#pragma once
// Sent by a manipulator when what was carried over it is taken away or dropped.

#include "ZORNotification.h"

class ZOREndPreDrop : public ZORNotification {
  ZOR_DECLARE_CLASS(ZOREndPreDrop, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
