#pragma once
//! \class ZORWENUIDirCoordNotification
//! Sent by a direction frame to its father: the direction switched to components (a menu item
//! applied, or the coordinates panel opened). It carries nothing.

#include "ZORNotification.h"

class ZORWENUIDirCoordNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIDirCoordNotification, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
