#pragma once
// Sent by a manipulator when the click that activated it is over.

#include "ZORNotification.h"

class ZOREndActivate : public ZORNotification {
  ZOR_DECLARE_CLASS(ZOREndActivate, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
