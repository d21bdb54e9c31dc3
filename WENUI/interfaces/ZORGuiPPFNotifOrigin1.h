#pragma once
//! \class ZORGuiPPFNotifOrigin1
//! Sent by a planar positioning frame to its command: the first-origin selector was clicked. It
//! carries nothing.

#include "ZORNotification.h"

class ZORGuiPPFNotifOrigin1 : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiPPFNotifOrigin1, ZORNotification, ZORMetaObject::Implementation, "WENUI")
};
