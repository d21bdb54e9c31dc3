#pragma once
//! \class ZORGuiBasicLawPanelIndAdvancedLawNotif
//! Sent by a law panel to its father: the user clicked the law selector to designate a law feature.
//! It carries nothing; the father reads the panel.

#include "ZORNotification.h"

class ZORGuiBasicLawPanelIndAdvancedLawNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiBasicLawPanelIndAdvancedLawNotif, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
