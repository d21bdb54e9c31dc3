#pragma once
//! \class ZORGuiPPFNotifSelectPos
//! Sent by a planar positioning frame to its command: positioning was switched on or off. It
//! carries nothing.

#include "ZORNotification.h"

class ZORGuiPPFNotifSelectPos : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiPPFNotifSelectPos, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
