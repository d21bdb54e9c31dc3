#pragma once
// Sent by a handle when the user clicks it.

#include "ZORNotification.h"

class ZORActivate : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORActivate, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
