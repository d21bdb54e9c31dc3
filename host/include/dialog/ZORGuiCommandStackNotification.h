#pragma once
// Sent by the command stack to every subscriber (any sender) each time a command is stacked
// over the running ones; the stacked command is the object sent with it.

#include "ZORNotification.h"

class ZORGuiCommandStackNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiCommandStackNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
