#pragma once
//! \class ZORGuiPPFNotifSdDirRight
//! Sent by a planar positioning frame to its command: the second direction's coordinates were
//! edited or confirmed. It carries nothing.

#include "ZORNotification.h"

class ZORGuiPPFNotifSdDirRight : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiPPFNotifSdDirRight, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
