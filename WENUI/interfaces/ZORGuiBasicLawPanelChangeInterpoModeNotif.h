#pragma once
//! \class ZORGuiBasicLawPanelChangeInterpoModeNotif
//! Sent by a law panel to its father: the user chose another interpolation of the implicit law. It
//! carries nothing; the father reads the panel.

#include "ZORNotification.h"

class ZORGuiBasicLawPanelChangeInterpoModeNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiBasicLawPanelChangeInterpoModeNotif, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
