#pragma once
// Sent by a 3D handle of the workbench at each change the user makes with it (a drag step, an
// arrow click). Each handle creates one and sends it again and again.

#include "ZORNotification.h"

class ZORWENUIModifNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIModifNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Visualization")
};
