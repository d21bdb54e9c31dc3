#pragma once
// Sent by a workbench symbol to its father when the user asks for its contextual menu: it
// carries the menu of the context it received as its sent object, as that context did
// (SendObject, read back with ZORDlgContextualMenu::CarriedBy), and the father fills the menu
// before it shows. Created once by its sender, which sets the menu again at each context.

#include "ZORNotification.h"

class ZORWENUIContextNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIContextNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Visualization")
};
