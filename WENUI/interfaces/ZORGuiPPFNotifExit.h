#pragma once
//! \class ZORGuiPPFNotifExit
//! Sent by a planar positioning frame to its command: the positioning parameters were hidden. It
//! carries nothing.

#include "ZORNotification.h"

class ZORGuiPPFNotifExit : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiPPFNotifExit, ZORNotification, ZORMetaObject::Implementation, "WENUI")
};
