#pragma once
//! \class ZORGuiMSList1ReplaceNotification
//! Sent by a multi-selection panel: replace an element of its first list. It carries nothing.

#include "ZORNotification.h"

class ZORGuiMSList1ReplaceNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSList1ReplaceNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
