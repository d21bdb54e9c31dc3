#pragma once
// Sent by a handle when the pointer comes over it.

#include "ZORNotification.h"

class ZORPreactivate : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORPreactivate, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
