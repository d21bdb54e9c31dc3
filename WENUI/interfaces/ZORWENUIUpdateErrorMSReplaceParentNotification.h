#pragma once
//! \class ZORWENUIUpdateErrorMSReplaceParentNotification
//! Sent by the update-error panel: pick a new (first) parent for the selected feature. It carries
//! nothing.

#include "ZORNotification.h"

class ZORWENUIUpdateErrorMSReplaceParentNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIUpdateErrorMSReplaceParentNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
