#pragma once
//! \class ZORGuiCouplingAddAfterNotif
//! Sent by a coupling frame to its father: the user chose to add a coupling after the
//! selected one. It carries nothing.

#include "ZORNotification.h"

class ZORGuiCouplingAddAfterNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingAddAfterNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
