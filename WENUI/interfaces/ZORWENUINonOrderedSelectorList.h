#pragma once
//! \class ZORWENUINonOrderedSelectorList
//! A user selector list with the "Append" and "Remove" check buttons of the modes selector list,
//! giving the same four modes (0 append, 1 remove, 2 replace, 3 standard), but deciding per
//! picked feature which operation applies (GetOperation: 0 append, 1 remove, 2 replace at the
//! selected line, 4 ignore) instead of sorting a batch. The owning command then calls Append,
//! Remove or Replace. A single click on a button makes the two exclusive, a double click makes
//! the mode sticky, the menu's Replace enters the replace mode when one line is selected, and a
//! click in the list leaves the replace mode unless it is sticky. The buttons are sensitive
//! exactly while features are listed.
//!
//! The list forwards the clicks on its lines and buttons to its father (the notifications below
//! identify them), and the change notification after each change of the content.

#include "ZORWENUIUserSelectorList.h"

class ZORWENUINonOrderedSelectorList : public ZORWENUIUserSelectorList {
  ZOR_DECLARE_CLASS(ZORWENUINonOrderedSelectorList, ZORWENUIUserSelectorList,
                    ZORMetaObject::Implementation, "WENUI")

  //! Values of GetOperation.
  enum Operation { kAppendOperation = 0, kRemoveOperation = 1, kReplaceOperation = 2, kIgnore = 4 };
  //! Values of GetMode.
  enum Mode { kAppend = 0, kRemove = 1, kReplace = 2, kStandard = 3 };

  //! The list (several lines selectable), the two buttons (insensitive) and their callbacks.
  ZORWENUINonOrderedSelectorList(ZORDialog* parent, const ZORString& name, unsigned long style,
                                 ZORGuiContextualMenuData menuData);
  ~ZORWENUINonOrderedSelectorList() override;

  //! The mode from the two buttons (Mode).
  int GetMode() const;
  //! What to do with a picked feature under the current mode (Operation). A pick that is
  //! ignored has its BRep feature disposed of; a null feature is ignored.
  int GetOperation(const ZORISpecObject_var& feature);
  //! User-list Synchronise, then the buttons' sensitivity.
  HRESULT Synchronise(const ZORListValZORISpecObject_var& features);

  //! Checks Append and unchecks Remove, without notifying.
  void SetAppendMode(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Checks Remove and unchecks Append, without notifying.
  void SetRemoveMode(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Unless sticky, unchecks both buttons.
  void ResetMode();

  //! A click on a line: ends a Replace in progress (unless sticky), then tells the owner.
  void SelectorClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! A double click on a line: handled as a click.
  void SelectorDblClickEvent(ZORCommand* sender, ZORNotification* notification,
                             ZORCallbackData data);
  //! A click on Append: no longer sticky, Remove unchecked; the owner hears of a check.
  void AppendClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! A double click on Append: the mode becomes sticky; the owner hears of it.
  void AppendDblClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! A click on Remove: no longer sticky, Append unchecked; the owner hears of a check.
  void RemoveClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! A double click on Remove: the mode becomes sticky; the owner hears of it.
  void RemoveDblClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The content changed: an empty list unchecks both buttons and makes them insensitive, a
  //! list with entries makes them sensitive; the change goes on to the owner.
  void ButtonsSensitivityEvent(ZORCommand* sender, ZORNotification* notification,
                               ZORCallbackData data);
  //! The menu's Replace with one line selected: both buttons checked, the next pick replaces.
  void ReplaceEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The list's selection notification, which the list forwards to its owner; null before it
  //! is built (likewise below).
  ZORNotification* SelectorClickNotification() const;
  //! The list's activation (double click) notification.
  ZORNotification* SelectorDblClickNotification() const;
  //! Append's check notification.
  ZORNotification* AppendClickNotification() const;
  //! Append's double-click notification.
  ZORNotification* AppendDblClickNotification() const;
  //! Remove's check notification.
  ZORNotification* RemoveClickNotification() const;
  //! Remove's double-click notification.
  ZORNotification* RemoveDblClickNotification() const;

  //! Whether the mode stays after a pick (a button was double-clicked).
  bool IsSticky() const { return sticky_; }

 private:
  void Forward(ZORNotification* notification) { SendNotification(GetFather(), notification); }
  //! A button's single click: the mode is no longer sticky and the other button unchecked; the
  //! click goes on only when it checked its button.
  void ExclusiveClick(ZORDlgCheckButton* clicked, ZORDlgCheckButton* other,
                      ZORNotification* notification);

  bool sticky_ = false;
  ZORDlgCheckButton* append_ = nullptr;  // children of the buttons frame
  ZORDlgCheckButton* remove_ = nullptr;
};
