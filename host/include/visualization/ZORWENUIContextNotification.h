#pragma once
// Sent by a workbench symbol to its father when the user asks for its contextual menu: it
// carries the menu, which the father fills before the menu shows. Created once by its sender.

#include "ZORNotification.h"

class ZORDlgContextualMenu;

class ZORWENUIContextNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(ZORWENUIContextNotification, ZORNotification, ZORMetaObject::Implementation,
                    "Visualization")

  //! The menu to fill; null until a context set it. Not owned: the menu lives with its widget.
  ZORDlgContextualMenu* GetContextualMenu() const { return menu_; }
  //! Sets the menu carried by the next send.
  void SetContextualMenu(ZORDlgContextualMenu* menu) { menu_ = menu; }

 private:
  ZORDlgContextualMenu* menu_ = nullptr;
};
