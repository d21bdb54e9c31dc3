#pragma once
//! \class ZORGuiCouplingEditNotif
//! Sent by a coupling frame to its father: the user asks to edit the selected coupling (a
//! double click on its row, or the edit item of the menu). It carries nothing.

#include "ZORNotification.h"

class ZORGuiCouplingEditNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingEditNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
