#pragma once
//! \class ZORWENEditValueChangedNotification
//! Sent by a value editor to its father when the user changed its value. It carries nothing: the
//! father reads the editor.

#include "ZORNotification.h"

class ZORWENEditValueChangedNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENEditValueChangedNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
