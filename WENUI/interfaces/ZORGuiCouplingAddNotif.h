#pragma once
//! \class ZORGuiCouplingAddNotif
//! Sent by a coupling frame to its father: the user chose the add item of the menu. It carries
//! nothing.

#include "ZORNotification.h"

class ZORGuiCouplingAddNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingAddNotif, ZORNotification, ZORMetaObject::Implementation, "WENUI")
};
