#pragma once
//! \class ZORWENUIUpdateErrorMSReplaceParentNotification2
//! Sent by the update-error panel: pick a new second parent for the selected feature. It carries
//! nothing.

#include "ZORNotification.h"

class ZORWENUIUpdateErrorMSReplaceParentNotification2 : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIUpdateErrorMSReplaceParentNotification2, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
