#pragma once
//! \class ZORGuiBasicLawPanelInvertLawNotif
//! Sent by a law panel to its father: the user checked or unchecked the inversion. It carries
//! nothing; the father reads the panel.

#include "ZORNotification.h"

class ZORGuiBasicLawPanelInvertLawNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiBasicLawPanelInvertLawNotif, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
