#pragma once
//! \class ZORGuiCouplingShowLinesNotif
//! Sent by a coupling frame to its father: the user checked or unchecked the show-lines
//! button; the father reads the button. It carries nothing.

#include "ZORNotification.h"

class ZORGuiCouplingShowLinesNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCouplingShowLinesNotif, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
