#pragma once
//! \class ZORGuiPPFNotifDirCompMode
//! Defined for the commands that have a direction-completion mode; a planar positioning
//! frame never sends it. It carries nothing.

#include "ZORNotification.h"

class ZORGuiPPFNotifDirCompMode : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiPPFNotifDirCompMode, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
