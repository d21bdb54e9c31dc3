#pragma once
// Sent by a 3D handle of the workbench when the user ends a drag, after its last step. Each
// handle creates one and sends it again and again.

#include "ZORNotification.h"

class ZORWENUIEndManipulateNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIEndManipulateNotification, ZORNotification,
                    ZORMetaObject::Implementation, "Visualization")
};
