#pragma once
//! \class ZORWENUIDirElemNotification
//! Sent by a direction frame to its father: an element was selected as the direction. It carries
//! nothing.

#include "ZORNotification.h"

class ZORWENUIDirElemNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIDirElemNotification, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
