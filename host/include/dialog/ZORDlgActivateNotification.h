#pragma once
// Sent when the user activates a widget: a push button pressed, a list line
// double-clicked.

#include "ZORNotification.h"

class ZORDlgActivateNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORDlgActivateNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
