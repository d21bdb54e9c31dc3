#pragma once
//! \class ZORWENUIUpdateErrorMSDeactivateAllNotification
//! Sent by the update-error panel: deactivate every listed feature. It carries nothing.

#include "ZORNotification.h"

class ZORWENUIUpdateErrorMSDeactivateAllNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIUpdateErrorMSDeactivateAllNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
