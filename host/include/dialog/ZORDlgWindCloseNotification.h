#pragma once
// Sent by a dialog when the user closes its window; the dialog stays alive.

#include "ZORNotification.h"

class ZORDlgWindCloseNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORDlgWindCloseNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
