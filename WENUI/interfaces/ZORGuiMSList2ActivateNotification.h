#pragma once
//! \class ZORGuiMSList2ActivateNotification
//! Sent by a multi-selection panel: its second list was activated. It carries nothing.

#include "ZORNotification.h"

class ZORGuiMSList2ActivateNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSList2ActivateNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
