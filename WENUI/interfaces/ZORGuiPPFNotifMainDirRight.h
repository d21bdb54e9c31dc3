#pragma once
//! \class ZORGuiPPFNotifMainDirRight
//! Sent by a planar positioning frame to its command: the main direction's coordinates were edited
//! or confirmed. It carries nothing.

#include "ZORNotification.h"

class ZORGuiPPFNotifMainDirRight : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiPPFNotifMainDirRight, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
