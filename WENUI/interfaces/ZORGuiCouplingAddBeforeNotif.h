#pragma once
//! \class ZORGuiCouplingAddBeforeNotif
//! Sent by a coupling frame to its father: the user chose to add a coupling before the
//! selected one. It carries nothing.

#include "ZORNotification.h"

class ZORGuiCouplingAddBeforeNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingAddBeforeNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
