#pragma once
//! \class ZORWENUIVolumeResultNotification
//! Sent by a panel to its father when the user asks for a volume result. It carries nothing.

#include "ZORNotification.h"

class ZORWENUIVolumeResultNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIVolumeResultNotification, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
