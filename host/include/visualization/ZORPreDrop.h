#pragma once
// Sent by a manipulator when the user carries something dragged over it, before any drop.

#include "ZORNotification.h"

class ZORPreDrop : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORPreDrop, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
