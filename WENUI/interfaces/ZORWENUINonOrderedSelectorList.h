#pragma once
// A user selector list with the "Append" and "Remove" check buttons of the modes selector list,
// giving the same four modes (0 append, 1 remove, 2 replace, 3 standard), but deciding per
// picked feature which operation applies (GetOperation: 0 append, 1 remove, 2 replace at the
// selected line, 4 ignore) instead of sorting a batch. The owning command then calls Append,
// Remove or Replace. A single click on a button makes the two exclusive, a double click makes
// the mode sticky, the menu's Replace enters the replace mode when one line is selected, and a
// click in the list leaves the replace mode unless it is sticky. The buttons are sensitive
// exactly while features are listed.
//
// The list forwards the clicks on its lines and buttons to its father (the notifications below
// identify them), and the change notification after each change of the content.

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

  //! Checks Append and unchecks Remove / the reverse.
  void SetAppendMode(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void SetRemoveMode(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Unless sticky, unchecks both buttons.
  void ResetMode();

  //! Callbacks of the list, the buttons, the content changes and the menu's Replace.
  void SelectorClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void SelectorDblClickEvent(ZORCommand* sender, ZORNotification* notification,
                             ZORCallbackData data);
  void AppendClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void AppendDblClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void RemoveClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void RemoveDblClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void ButtonsSensitivityEvent(ZORCommand* sender, ZORNotification* notification,
                               ZORCallbackData data);
  void ReplaceEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The notifications the list forwards: a click and a double click on a line, on Append,
  //! on Remove.
  ZORNotification* SelectorClickNotification() const;
  ZORNotification* SelectorDblClickNotification() const;
  ZORNotification* AppendClickNotification() const;
  ZORNotification* AppendDblClickNotification() const;
  ZORNotification* RemoveClickNotification() const;
  ZORNotification* RemoveDblClickNotification() const;

  bool IsSticky() const { return sticky_; }

 private:
  void Forward(ZORNotification* notification) { SendNotification(GetFather(), notification); }
  // A button's single click: the mode is no longer sticky and the other button unchecked; the
  // click goes on only when it checked its button.
  void ExclusiveClick(ZORDlgCheckButton* clicked, ZORDlgCheckButton* other,
                      ZORNotification* notification);

  bool sticky_ = false;
  ZORDlgCheckButton* append_ = nullptr;  // children of the buttons frame
  ZORDlgCheckButton* remove_ = nullptr;
};
