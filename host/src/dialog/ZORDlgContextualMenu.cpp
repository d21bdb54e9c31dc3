#include "ZORDlgContextualMenu.h"

#include "ZORDlgActivateNotification.h"
#include "ZORDlgMenuItem.h"

ZORDlgContextualMenu::ZORDlgContextualMenu(ZORDialog* parent, const ZORString& name,
                                           unsigned long style)
    : ZORDialog(parent, name, style), show_(ZORMake<ZORDlgActivateNotification>()) {}

ZORDlgContextualMenu::~ZORDlgContextualMenu() = default;

bool ZORDlgContextualMenu::Open() {
  if (!IsUserReachable()) return false;
  open_ = false;
  // The owner fills the menu now: it opens with what the notification left in it.
  SendUserNotification(show_);
  open_ = IsUserReachable();
  return open_;
}

ZORDlgContextualMenu* ZORDlgContextualMenu::Of(const ZORDialog* widget) {
  if (!widget) return nullptr;
  for (ZORDialog* child : widget->GetDialogChildren()) {
    if (auto* menu = dynamic_cast<ZORDlgContextualMenu*>(child)) return menu;
  }
  return nullptr;
}

bool ZORDlgContextualMenu::ChooseItem(const ZORString& name) {
  auto* item = dynamic_cast<ZORDlgMenuItem*>(FindChild(name));
  if (item && item->GetMenu() == this && item->Choose()) return true;
  CloseMenu();
  return false;
}

ZORDlgContextualMenu* ZORDlgContextualMenu::CarriedBy(const ZORNotification* notification) {
  return notification ? dynamic_cast<ZORDlgContextualMenu*>(notification->GetSentObject())
                      : nullptr;
}
