#pragma once
// Sent by a handle when the pointer leaves it.

#include "ZORNotification.h"

class ZOREndPreactivate : public ZORNotification {
  ZOR_DECLARE_CLASS(ZOREndPreactivate, ZORNotification, ZORMetaObject::Implementation,
                    "Visualization")
};
