#pragma once
//! \class ZORWENUI3DSmoothingNotification
//! Sent by a tolerant modeling frame to its father when the user toggles 3D smoothing. It carries
//! nothing.

#include "ZORNotification.h"

class ZORWENUI3DSmoothingNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUI3DSmoothingNotification, ZORNotification, ZORMetaObject::Implementation,
                    "WENUI")
};
