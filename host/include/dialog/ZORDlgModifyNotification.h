#pragma once
// Sent when the user changes a check or radio button's state.

#include "ZORNotification.h"

class ZORDlgModifyNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORDlgModifyNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Dialog")
};
