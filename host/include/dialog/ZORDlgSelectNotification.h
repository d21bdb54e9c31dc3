#pragma once
// Sent when the user changes a list's selection.

#include "ZORNotification.h"

class ZORDlgSelectNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORDlgSelectNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
