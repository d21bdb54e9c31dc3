#pragma once
//! \class ZORWENUIUpdateErrorMSDeleteNotification
//! Sent by the update-error panel: delete the selected features. It carries nothing.

#include "ZORNotification.h"

class ZORWENUIUpdateErrorMSDeleteNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIUpdateErrorMSDeleteNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
