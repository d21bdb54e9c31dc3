#pragma once
//! \class ZORGuiMSPushCloseButtonNotification
//! Sent by a multi-selection panel: its close button was pressed. It carries nothing.

#include "ZORNotification.h"

class ZORGuiMSPushCloseButtonNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSPushCloseButtonNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
