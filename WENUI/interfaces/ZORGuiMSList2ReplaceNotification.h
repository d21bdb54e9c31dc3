#pragma once
//! \class ZORGuiMSList2ReplaceNotification
//! Sent by a multi-selection panel: replace an element of its second list. It carries nothing.

#include "ZORNotification.h"

class ZORGuiMSList2ReplaceNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiMSList2ReplaceNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
