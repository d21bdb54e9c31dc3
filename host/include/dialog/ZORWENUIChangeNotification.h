#pragma once
// Sent by a workbench selector list after each change of its content, so that its panel
// updates what depends on it (the sensitivity of its buttons). Subscribed by class.

#include "ZORNotification.h"

class ZORWENUIChangeNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIChangeNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
