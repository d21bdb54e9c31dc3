#pragma once
//! \class ZORGuiMSList2ClearAllNotification
//! Sent by a multi-selection panel: its second list was cleared. It carries nothing.

#include "ZORNotification.h"

class ZORGuiMSList2ClearAllNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSList2ClearAllNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
