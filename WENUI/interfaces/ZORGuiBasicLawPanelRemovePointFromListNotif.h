#pragma once
//! \class ZORGuiBasicLawPanelRemovePointFromListNotif
//! Sent by a law panel to its father: the user chose to remove a point row. It carries nothing; the
//! father reads the panel.

#include "ZORNotification.h"

class ZORGuiBasicLawPanelRemovePointFromListNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiBasicLawPanelRemovePointFromListNotif, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
