#pragma once
//! \class ZORGuiCouplingSelPointNotif
//! Sent by a coupling panel to its father: the user selected a row of the point list. It carries
//! nothing.

#include "ZORNotification.h"

class ZORGuiCouplingSelPointNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingSelPointNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
