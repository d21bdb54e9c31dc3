#pragma once
// Sent by a 3D handle of the workbench when the user asks to edit its value (a double click
// or an edit request on the handle). Each handle creates one and sends it again and again.

#include "ZORNotification.h"

class ZORWENUIEditNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIEditNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Visualization")
};
