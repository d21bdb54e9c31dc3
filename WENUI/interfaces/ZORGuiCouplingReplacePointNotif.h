#pragma once
//! \class ZORGuiCouplingReplacePointNotif
//! For coupling commands' own use: a point of the edited coupling is to be replaced. The
//! coupling widgets never send it. It carries nothing.

#include "ZORNotification.h"

class ZORGuiCouplingReplacePointNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingReplacePointNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
