#pragma once
//! \class ZORGuiMSList1ClearAllNotification
//! Sent by a multi-selection panel: its first list was cleared. It carries nothing.

#include "ZORNotification.h"

class ZORGuiMSList1ClearAllNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSList1ClearAllNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
