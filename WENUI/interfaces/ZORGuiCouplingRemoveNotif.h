#pragma once
//! \class ZORGuiCouplingRemoveNotif
//! Sent by a coupling frame to its father: the user chose to remove the selected coupling. It
//! carries nothing.

#include "ZORNotification.h"

class ZORGuiCouplingRemoveNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingRemoveNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
