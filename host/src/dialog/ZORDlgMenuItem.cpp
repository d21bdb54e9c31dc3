#include "ZORDlgMenuItem.h"

#include "ZORDlgContextualMenu.h"

ZORDlgContextualMenu* ZORDlgMenuItem::GetMenu() const {
  return dynamic_cast<ZORDlgContextualMenu*>(GetDialogParent());
}

bool ZORDlgMenuItem::Choose() {
  ZORDlgContextualMenu* menu = GetMenu();
  if (!menu || !menu->IsOpen() || !IsUserReachable()) return false;
  ZORVar<ZORDlgContextualMenu> keep(menu);
  menu->CloseMenu();
  OnChosen();
  return true;
}
