#pragma once
//! \class ZORWENUIChangeSmoothingTypeNotification
//! Sent by a tolerant modeling frame to its father when the user picks another smoothing type. It
//! carries nothing.

#include "ZORNotification.h"

class ZORWENUIChangeSmoothingTypeNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIChangeSmoothingTypeNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
