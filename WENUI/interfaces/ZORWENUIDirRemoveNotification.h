#pragma once
//! \class ZORWENUIDirRemoveNotification
//! Sent by a direction frame to its father: the direction's element was removed from the contextual
//! menu. It carries nothing.

#include "ZORNotification.h"

class ZORWENUIDirRemoveNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIDirRemoveNotification, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
