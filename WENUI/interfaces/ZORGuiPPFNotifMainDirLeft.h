#pragma once
//! \class ZORGuiPPFNotifMainDirLeft
//! Sent by a planar positioning frame to its command: the main direction's element was chosen in
//! its direction frame. It carries nothing.

#include "ZORNotification.h"

class ZORGuiPPFNotifMainDirLeft : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiPPFNotifMainDirLeft, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
