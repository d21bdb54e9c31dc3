#pragma once
// Sent by a dialog when the user presses its Apply button.

#include "ZORNotification.h"

class ZORDlgDiaAPPLYNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORDlgDiaAPPLYNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
