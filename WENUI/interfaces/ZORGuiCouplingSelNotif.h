#pragma once
//! \class ZORGuiCouplingSelNotif
//! Sent by a coupling frame to its father: the user selected a row of the coupling list. The
//! father reads the row with GetSelected. It carries nothing.

#include "ZORNotification.h"

class ZORGuiCouplingSelNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingSelNotif, ZORNotification, ZORMetaObject::Implementation, "WENUI")
};
