#pragma once
//! \class ZORGuiPPFNotifOrigin2
//! Sent by a planar positioning frame to its command: the second-origin selector was clicked. It
//! carries nothing.

#include "ZORNotification.h"

class ZORGuiPPFNotifOrigin2 : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiPPFNotifOrigin2, ZORNotification, ZORMetaObject::Implementation, "WENUI")
};
