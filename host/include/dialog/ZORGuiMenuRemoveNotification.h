#pragma once
// Sent by a command-stack frame when the user chooses Remove in its contextual menu, after the
// frame let go of what it showed.

#include "ZORNotification.h"

class ZORGuiMenuRemoveNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMenuRemoveNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
