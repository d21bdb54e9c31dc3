#pragma once
// A contextual menu: the menu a right click on its parent widget (or on a line of it) opens.
// Its items are its children (ZORDlgPushItem, ZORDlgRadioItem, ZORDlgSeparator). Opening it
// first sends its show notification, so that the owner fills or updates the items, then the
// menu is open; choosing an item sends the item's notification and closes the menu. Items of
// a closed menu cannot be chosen.

#include "ZORDialog.h"
#include "ZORVar.h"

class ZORDlgContextualMenu : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgContextualMenu, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgContextualMenu(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                                unsigned long style = 0);
  ~ZORDlgContextualMenu() override;

  //! Sent just before the menu shows.
  ZORNotification* GetVisibilityNotification() const { return show_; }
  bool IsOpen() const { return open_; }

  //! The user right-clicks the menu's widget: false, sending nothing, when that widget cannot
  //! be reached or the menu is hidden or insensitive.
  bool Open();
  //! The user leaves the menu without choosing.
  void CloseMenu() { open_ = false; }
  //! The user chooses the item named `name` of this open menu; false, the menu left without a
  //! choice, when there is no such item or it cannot be chosen.
  bool ChooseItem(const ZORString& name);
  //! The menu `notification` carries as its sent object (a context notification); null when
  //! it carries none.
  static ZORDlgContextualMenu* CarriedBy(const ZORNotification* notification);
  //! The contextual menu of `widget` (its first menu child); null when it has none.
  static ZORDlgContextualMenu* Of(const ZORDialog* widget);

 private:
  ZORVar<ZORNotification> show_;
  bool open_ = false;
};
