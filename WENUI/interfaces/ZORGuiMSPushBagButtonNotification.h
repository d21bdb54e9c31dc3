#pragma once
//! \class ZORGuiMSPushBagButtonNotification
//! Sent by a multi-selection panel: its bag button was pressed. It carries nothing.

#include "ZORNotification.h"

class ZORGuiMSPushBagButtonNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSPushBagButtonNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
