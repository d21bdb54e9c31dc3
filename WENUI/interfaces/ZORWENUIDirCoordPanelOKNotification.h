#pragma once
//! \class ZORWENUIDirCoordPanelOKNotification
//! Sent by a direction frame to its father: components were validated (a menu item applied, or the
//! coordinates panel's OK with a vector that is not null). It carries nothing.

#include "ZORNotification.h"

class ZORWENUIDirCoordPanelOKNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIDirCoordPanelOKNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
