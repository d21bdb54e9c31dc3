#pragma once
//! \class ZORWENUIUpdateErrorMSDeactivateNotification
//! Sent by the update-error panel: deactivate the selected features. It carries nothing.

#include "ZORNotification.h"

class ZORWENUIUpdateErrorMSDeactivateNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIUpdateErrorMSDeactivateNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
