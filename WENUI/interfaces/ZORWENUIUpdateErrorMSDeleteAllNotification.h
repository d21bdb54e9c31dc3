#pragma once
//! \class ZORWENUIUpdateErrorMSDeleteAllNotification
//! Sent by the update-error panel: delete every listed feature. It carries nothing.

#include "ZORNotification.h"

class ZORWENUIUpdateErrorMSDeleteAllNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIUpdateErrorMSDeleteAllNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
