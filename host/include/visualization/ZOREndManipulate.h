#pragma once
// Sent by a manipulator when the user lets go of it at the end of a drag.

#include "ZORNotification.h"

class ZOREndManipulate : public ZORNotification {
  ZOR_DECLARE_CLASS(ZOREndManipulate, ZORNotification, ZORMetaObject::Implementation,
                    "Visualization")
};
