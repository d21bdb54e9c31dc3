#pragma once
// Sent by a dialog when the user presses its Close button; a dialog may
// also send it to the window that holds it, to have that window closed.

#include "ZORNotification.h"

class ZORDlgDiaCLOSENotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORDlgDiaCLOSENotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
