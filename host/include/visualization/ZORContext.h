#pragma once
// Sent by a handle or a manipulator when the user asks for its contextual menu. While it is
// delivered it carries the menu as its sent object (ZORDlgContextualMenu::CarriedBy), so that
// the listeners add their items before the menu shows.

#include "ZORNotification.h"

class ZORContext : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORContext, ZORNotification, ZORMetaObject::Implementation, "Visualization")
};
