#pragma once
//! \class ZORGuiStackedCouplingPointNotif
//! Sent by a coupling panel to its father when a command is stacked while the panel exists
//! (a point being made for the coupling, for instance), just before the stacking notification
//! itself is passed on. It carries nothing.

#include "ZORNotification.h"

class ZORGuiStackedCouplingPointNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiStackedCouplingPointNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
