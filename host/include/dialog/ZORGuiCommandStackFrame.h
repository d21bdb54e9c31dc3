#pragma once
// The frame of the workbench's selectors: a frame that owns a contextual menu on one of its
// lists, with a Replace and a Remove item, and publishes what the user chose there as its
// Replace and Remove notifications (sent from the frame up its father chain).
//
// The menu is made by CreateContextualMenu and filled the first time it shows, when the whole
// frame exists: the two items first, then the hook AddParticularContextualsItems, through which
// a derived frame adds its own items (it can count those already there). Each time it shows,
// the menu data in effect (GetContextualMenuData) hides the items it does not offer.

#include "ZORDlgFrame.h"
#include "ZORGuiContextualMenuData.h"
#include "ZORVar.h"

class ZORDlgContextualMenu;
class ZORDlgList;
class ZORDlgPushItem;

class ZORGuiCommandStackFrame : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(ZORGuiCommandStackFrame, ZORDlgFrame, ZORMetaObject::Implementation, "Dialog")

  ZORGuiCommandStackFrame(ZORDialog* parent, const ZORString& name, unsigned long style,
                          ZORGuiContextualMenuData menuData);
  ~ZORGuiCommandStackFrame() override;

  //! The menu data given at construction or stored since.
  const ZORGuiContextualMenuData& GetMenuData() const { return menuData_; }
  //! Stores the menu data; the menu follows it the next time it shows.
  void SetMenuData(const ZORGuiContextualMenuData& menuData) { menuData_ = menuData; }

  //! Makes the frame's contextual menu "CxtMenu" on `list` (a list of this frame); null when
  //! there is no list or the menu was made already.
  ZORDlgContextualMenu* CreateContextualMenu(ZORDlgList* list);
  //! The frame's contextual menu; null until made.
  ZORDlgContextualMenu* GetContextualMenu() const { return menu_; }

  //! Sent when the user chooses Replace, and when Remove was chosen.
  ZORNotification* GetReplaceNotification() const { return replace_.get(); }
  ZORNotification* GetRemoveNotification() const { return remove_.get(); }

  //! What the Remove item does: by default sends the Remove notification.
  virtual void RemoveMenuSelection(ZORCommand* sender, ZORNotification* notification,
                                   ZORCallbackData data);
  //! What ends the handling of a selection: by default passes `notification` on to the father.
  virtual void SendNotif(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

 protected:
  //! Called once, when the menu is filled, after the Replace and Remove items.
  virtual void AddParticularContextualsItems() {}
  //! The menu data the menu shows with now; a frame with states chooses among its data.
  virtual ZORGuiContextualMenuData MenuDataInEffect() const { return menuData_; }
  //! Sends `notification` from the frame as the user's doing.
  void Publish(ZORNotification* notification) { SendUserNotification(notification); }

 private:
  void OnMenuShows(ZORCommand*, ZORNotification*, ZORCallbackData);
  void FillMenu();

  ZORGuiContextualMenuData menuData_;
  ZORDlgContextualMenu* menu_ = nullptr;  // a child of the list, which owns it
  ZORDlgPushItem* replaceItem_ = nullptr;
  ZORDlgPushItem* removeItem_ = nullptr;
  ZORVar<ZORNotification> replace_;
  ZORVar<ZORNotification> remove_;
};
