#pragma once
// Sent when the user double-clicks a check button, after the modify
// notification of the same double click.

#include "ZORNotification.h"

class ZORDlgDoubleClickNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORDlgDoubleClickNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
