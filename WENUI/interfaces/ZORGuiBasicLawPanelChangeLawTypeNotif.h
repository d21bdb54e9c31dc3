#pragma once
//! \class ZORGuiBasicLawPanelChangeLawTypeNotif
//! Sent by a law panel to its father: the user chose another law type. It carries nothing; the
//! father reads the panel.

#include "ZORNotification.h"

class ZORGuiBasicLawPanelChangeLawTypeNotif : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORGuiBasicLawPanelChangeLawTypeNotif, ZORNotification,
                    ZORMetaObject::Implementation, "WENUI")
};
