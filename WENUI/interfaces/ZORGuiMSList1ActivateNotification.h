#pragma once
//! \class ZORGuiMSList1ActivateNotification
//! Sent by a multi-selection panel: its first list was activated. It carries nothing.

#include "ZORNotification.h"

class ZORGuiMSList1ActivateNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSList1ActivateNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
