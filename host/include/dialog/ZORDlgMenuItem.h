#pragma once
// What the items of a contextual menu share: they belong to a menu (their parent) and can be
// chosen only while it is open. Choosing one sends its notification and closes the menu.

#include "ZORDialog.h"
#include "ZORVar.h"

class ZORDlgContextualMenu;

class ZORDlgMenuItem : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgMenuItem, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  //! The menu the item stands in; null outside a menu.
  ZORDlgContextualMenu* GetMenu() const;
  //! The user chooses the item; false, sending nothing, when its menu is not open or the item
  //! is hidden or insensitive.
  bool Choose();

 protected:
  ZORDlgMenuItem(ZORDialog* parent, const ZORString& name, unsigned long style)
      : ZORDialog(parent, name, style) {}
  //! What choosing the item does: change its state and send its notification.
  virtual void OnChosen() = 0;
};
