#pragma once
//! \class ZORGuiBasicLawPanelIndPointsParamsNotif
//! Sent by a law panel to its father: the user selected a row of the point list. It carries
//! nothing; the father reads the panel.

#include "ZORNotification.h"

class ZORGuiBasicLawPanelIndPointsParamsNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiBasicLawPanelIndPointsParamsNotif, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
