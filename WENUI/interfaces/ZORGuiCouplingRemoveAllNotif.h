#pragma once
//! \class ZORGuiCouplingRemoveAllNotif
//! Sent by a coupling frame to its father: the user chose to remove every coupling. It carries
//! nothing.

#include "ZORNotification.h"

class ZORGuiCouplingRemoveAllNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingRemoveAllNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
