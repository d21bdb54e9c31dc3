#pragma once
//! \class ZORGuiCouplingFrame
//! The numbered list of a command's couplings ("CouplingList"), with a contextual menu (edit,
//! remove, add, add after, add before, remove all) and a check button that shows or hides the
//! coupling lines ("ShowCouplLines"). The frame holds no coupling: it tells its father what
//! the user wants by notifications, and the father changes its data and calls the setters
//! back. The row number, from 1, is the link between the list and the father's couplings.
//!
//! Contracts: the setters never notify. A right click on a row selects it, with the selection
//! notification, before the menu shows, so that the father knows the row any item is about.
//! Notifications are created on first use and live as long as the frame.
//!
//! Typical use:
//! \code
//!   auto* couplings = new ZORGuiCouplingFrame(panel, this);
//!   couplings->SetNumberOfCoupling(n);
//!   AddAnalyseNotificationCB(couplings, couplings->GetCouplingRemoveNotif(), &Cmd::Remove, 0);
//! \endcode

#include "ZORDlgFrame.h"

class ZORDlgCheckButton;
class ZORDlgContextualMenu;
class ZORDlgMultiList;
class ZORDlgPushItem;

class ZORGuiCouplingFrame : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(ZORGuiCouplingFrame, ZORDlgFrame, ZORMetaObject::Implementation, "WENUI")

  //! Client data of ModifyCoupling: a row selected, a row double-clicked, the button changed.
  enum ListAction : int { kSelect = 20, kActivate = 21, kShowLines = 22 };
  //! Client data of PushAction, one per menu item.
  enum MenuAction : int {
    kRemove = 4,
    kAddAfter = 5,
    kAddBefore = 6,
    kAdd = 7,
    kEdit = 23,
    kRemoveAll = 24
  };
  //! Bits of SetObjectActions, each making its item sensitive.
  enum ActionBit : int {
    kAddBit = 0x01000000,
    kAddAfterBit = 0x02000000,
    kAddBeforeBit = 0x04000000,
    kEditBit = 0x08000000,
    kRemoveBit = 0x10000000,
    kRemoveAllBit = 0x20000000
  };

  //! The frame "couplPointsFrame" under `parent`, its list, menu and button; `father`, when
  //! given, hears the notifications.
  ZORGuiCouplingFrame(ZORDialog* parent, ZORCommand* father);
  ~ZORGuiCouplingFrame() override;

  //! Rows 1 to `count`: the number, then the base name followed by the number; below 1 a single
  //! row "...". The selection is lost.
  void SetNumberOfCoupling(const int count);
  //! The selected row, from 1; 1 when there is no list or not exactly one row selected.
  //! Always answers 0.
  int GetSelected(int& row) const;
  //! Selects `row` (from 1) without notification, scrolled into view; a row out of range
  //! selects the last one, at the top of the view. Nothing on an empty list.
  void SetSelected(const int row);
  //! Clears the selection when `keep` is 0; nothing otherwise.
  void ClearSelections(const int keep);
  //! Checks (non-zero) or unchecks the show-lines button without notification; makes it
  //! sensitive.
  void SetShowCouplingLines(const int shown);
  //! Makes each menu item sensitive when its bit of `mask` is set, insensitive otherwise;
  //! remove all follows either of its two bits.
  void SetObjectActions(const int mask);

  //! Callback of the list and of the button (ListAction as client data).
  void ModifyCoupling(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the menu items (MenuAction as client data).
  void PushAction(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the menu about to show: selects the row right-clicked, with notification.
  void SelectCxtMenu(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The list of couplings.
  ZORDlgMultiList* GetCouplingList() const { return list_; }
  //! The show-lines check button.
  ZORDlgCheckButton* GetShowLinesButton() const { return showLines_; }
  //! The base name of the couplings ("Coupling" unless the resources give another).
  const ZORUnicodeString& GetCouplingName() const { return baseName_; }

  //! Sent when a row is selected.
  ZORNotification* GetCouplingSelNotif();
  //! Sent on a double click on a row, or the edit item.
  ZORNotification* GetCouplingEditNotif();
  //! Sent by the add item.
  ZORNotification* GetCouplingAddNotif();
  //! Sent by the add-after item.
  ZORNotification* GetCouplingAddAfterNotif();
  //! Sent by the add-before item.
  ZORNotification* GetCouplingAddBeforeNotif();
  //! Sent by the remove item.
  ZORNotification* GetCouplingRemoveNotif();
  //! Sent by the remove-all item.
  ZORNotification* GetCouplingRemoveAllNotif();
  //! Sent when the show-lines button changes.
  ZORNotification* GetCouplingShowLinesNotif();

 private:
  // The notification in `slot`, made on first use.
  template <class N>
  ZORNotification* Lazy(ZORNotification*& slot);
  void Tell(ZORNotification* notification);
  ZORDlgPushItem* MakeItem(const char* name, MenuAction action);

  ZORNotification* remove_ = nullptr;  // the eight notifications: owned, handed to the cleaner
  ZORNotification* removeAll_ = nullptr;
  ZORNotification* add_ = nullptr;
  ZORNotification* addAfter_ = nullptr;
  ZORNotification* addBefore_ = nullptr;
  ZORDlgMultiList* list_ = nullptr;  // widgets: children of the frame
  ZORDlgCheckButton* showLines_ = nullptr;
  ZORNotification* showLinesChanged_ = nullptr;
  ZORNotification* selection_ = nullptr;
  ZORUnicodeString baseName_;
  ZORNotification* edit_ = nullptr;
  ZORDlgContextualMenu* menu_ = nullptr;
  ZORDlgPushItem* editItem_ = nullptr;
  ZORDlgPushItem* removeItem_ = nullptr;
  ZORDlgPushItem* addItem_ = nullptr;
  ZORDlgPushItem* addAfterItem_ = nullptr;
  ZORDlgPushItem* addBeforeItem_ = nullptr;
  ZORDlgPushItem* removeAllItem_ = nullptr;
};
