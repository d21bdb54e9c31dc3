#pragma once
// Sent to the subscribers of a knowledge parameter when its value changes; the parameter is
// the object sent with it.

#include "ZORNotification.h"

class ZORCkeParmNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORCkeParmNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Knowledge")
};
