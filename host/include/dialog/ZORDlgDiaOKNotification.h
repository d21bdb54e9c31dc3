#pragma once
// Sent by a dialog when the user presses its OK button.

#include "ZORNotification.h"

class ZORDlgDiaOKNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORDlgDiaOKNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
