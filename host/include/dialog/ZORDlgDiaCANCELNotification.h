#pragma once
// Sent by a dialog when the user presses its Cancel button.

#include "ZORNotification.h"

class ZORDlgDiaCANCELNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORDlgDiaCANCELNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
