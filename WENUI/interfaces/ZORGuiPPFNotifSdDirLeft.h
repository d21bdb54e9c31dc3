#pragma once
//! \class ZORGuiPPFNotifSdDirLeft
//! Sent by a planar positioning frame to its command: the second direction's element was chosen. It
//! carries nothing.

#include "ZORNotification.h"

class ZORGuiPPFNotifSdDirLeft : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiPPFNotifSdDirLeft, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
