#pragma once
//! \class ZORGuiCouplingOkPointNotif
//! For coupling commands' own use: the points of the edited coupling are confirmed. The
//! coupling widgets never send it. It carries nothing.

#include "ZORNotification.h"

class ZORGuiCouplingOkPointNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingOkPointNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
