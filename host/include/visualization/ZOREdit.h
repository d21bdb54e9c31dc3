#pragma once
// Sent by a manipulator when the user double-clicks it to edit what it stands for.

#include "ZORNotification.h"

class ZOREdit : public ZORNotification {
  ZOR_DECLARE_CLASS(ZOREdit, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
