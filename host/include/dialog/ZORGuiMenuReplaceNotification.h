#pragma once
// Sent by a command-stack frame when the user chooses Replace in its contextual menu: the
// owner lets the next pick replace what the frame shows.

#include "ZORNotification.h"

class ZORGuiMenuReplaceNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMenuReplaceNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
