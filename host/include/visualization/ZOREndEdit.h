#pragma once
// Sent by a manipulator when that edition request is over.

#include "ZORNotification.h"

class ZOREndEdit : public ZORNotification {
  ZOR_DECLARE_CLASS(ZOREndEdit, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
