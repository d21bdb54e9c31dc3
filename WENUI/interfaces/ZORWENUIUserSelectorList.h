#pragma once
//! \class ZORWENUIUserSelectorList
//! An ordered list of features in a panel, simpler than the modes selector list: the selected
//! lines are the list widget's own selection (nothing is cached), each change of the content is
//! announced by the list's change notification (ZORWENUIChangeNotification, sent up from the
//! list), and the owner may add its own push or check buttons in a buttons frame beside it.
//! Entry k is shown on line k-1; a placeholder line stands while the list is empty. Selected
//! entries are highlighted in the current editor.
//!
//! The constructor builds only the frame; the owner (or a derived list) then calls
//! CreateSelectorList, the button operations and SetAttachements.
//!
//! Contracts: operations answer S_OK or E_FAIL (through ZORError::GetReturn); positions outside
//! 1..size, null features, a missing list, no current editor or a feature without build path
//! where highlighting is needed fail, the content left as it was at that point; no messages.
//!
//! Typical use, in a panel's constructor and a command's action:
//!   auto* list = new ZORWENUIUserSelectorList(panel, "Curves", 0, ZORGuiContextualMenuData());
//!   list->CreateSelectorList(0x40000);  list->SetAttachements();
//!   ...
//!   list->Append(picked);                      // shown, selected and highlighted
//!   list->Synchronise(inputsOfTheFeature);     // or made equal to a list at once

#include "ZORDlgCheckButton.h"
#include "ZORDlgFrame.h"
#include "ZORDlgPushButton.h"
#include "ZORDlgSelectorList.h"
#include "ZORGuiCommandStackFrame.h"
#include "ZORHSO.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORRawColl.h"
#include "ZORWENUIChangeNotification.h"
#include "ZORWENUIFeatureIndex.h"

class ZORWENUIUserSelectorList : public ZORGuiCommandStackFrame {
  ZOR_DECLARE_CLASS(ZORWENUIUserSelectorList, ZORGuiCommandStackFrame,
                    ZORMetaObject::Implementation, "WENUI")

  //! The notification mode Select(ZORWENEvent) hands to the list widget's selection.
  enum ZORWENEvent { kNoEvent = 0, kEvent = 1 };

  //! The frame, its change notification and the current editor's highlighted set.
  ZORWENUIUserSelectorList(ZORDialog* parent, const ZORString& name, unsigned long style,
                           ZORGuiContextualMenuData menuData);
  ~ZORWENUIUserSelectorList() override;

  //! Makes the list "SelectorList" (once) showing the placeholder, with its contextual menu;
  //! a click or a double click on a line brings the highlight in step with the selection.
  ZORDlgSelectorList* CreateSelectorList(unsigned long style);
  //! Makes "ButtonsFrame" (once).
  ZORDlgFrame* CreateButtonsFrame();
  //! A push button of the owner's in the buttons frame, made with the frame when missing.
  ZORDlgPushButton* CreatePushButton(const ZORString& name, unsigned long style);
  //! A check button of the owner's in the buttons frame, made with the frame when missing.
  ZORDlgCheckButton* CreateCheckButton(const ZORString& name, unsigned long style);
  //! The list in the left, stretching column, the buttons frame in the right one.
  void SetAttachements();
  //! Stores the menu data the contextual menu shows with.
  void SetCtxMenu(ZORGuiContextualMenuData menuData);

  //! How many features are listed (the placeholder line is not one).
  int Size() const { return features_.Size(); }
  //! How many listed features are selected.
  int SelectionSize() const;
  //! The listed features, in line order.
  const ZORListValZORISpecObject_var& GetFeatures() const { return features_; }
  //! Appends the listed features to `features`.
  void GetSpecObjects(ZORListValZORISpecObject_var& features) const;
  //! Appends the selected 1-based positions to `positions`, in line order.
  HRESULT GetSelection(ZORRawCollint& positions) const;
  //! Appends the selected features to `features`, in line order.
  HRESULT GetSelection(ZORListValZORISpecObject_var& features) const;

  //! The first position after `start` whose entry is `feature` or a related BRep feature;
  //! 0 when none or for null.
  int Locate(const ZORBaseUnknown_var& feature, int start) const;
  //! The same within `list` (indexed for the call).
  static int Locate(const ZORBaseUnknown_var& feature, const ZORListValZORISpecObject_var& list,
                    int start);
  //! The position after `start` of the element of `hso` that designates `feature` (its leaf's
  //! father is it or relates to it); 0 when none.
  static int Locate(const ZORBaseUnknown_var& feature, const ZORHSO* hso, int start);

  //! Appends `feature`: its line, the change notification, then Select.
  virtual HRESULT Append(const ZORISpecObject_var& feature);
  //! Appends each feature; stops at the first failure, those before staying.
  HRESULT Append(const ZORListValZORISpecObject_var& features);
  //! Puts `feature` at `position` (1..size), the entries from there moving down.
  HRESULT Insert(const ZORISpecObject_var& feature, int position);
  //! Puts `feature` in place of the entry at `position` (1..size).
  HRESULT Replace(const ZORISpecObject_var& feature, int position);
  //! Removes the entry at `position` (1..size).
  HRESULT Remove(int position);
  //! Makes the content equal to `features`: missing ones appended (selected when highlighted
  //! already), the others removed in one pass. Sends no change notification.
  HRESULT Synchronise(const ZORListValZORISpecObject_var& features);

  //! Selects the lines of `feature` and highlights it.
  HRESULT Select(const ZORISpecObject_var& feature);
  //! Selects every line and highlights every feature; `event` is the selection's notify mode.
  HRESULT Select(ZORWENEvent event);
  //! Unselects the lines of `feature` and unhighlights it.
  HRESULT UnSelect(const ZORISpecObject_var& feature);
  //! Unselects every line and unhighlights every listed feature.
  HRESULT UnSelect();
  //! Puts `feature` in the highlighted set.
  HRESULT Highlight(const ZORISpecObject_var& feature);
  //! Takes `feature` out of the highlighted set.
  HRESULT UnHighlight(const ZORISpecObject_var& feature);

  //! Callback of the list's clicks: each entry highlighted exactly when its line is selected.
  void SelectorClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback that sends the notification given as client data to the father.
  void SendNotificationAction(ZORCommand* sender, ZORNotification* notification,
                              ZORCallbackData data);
  //! The notification the contextual menu's Remove sends.
  ZORNotification* GetRemoveSelectionNotification() const { return GetRemoveNotification(); }
  //! The notification the contextual menu's Replace sends.
  ZORNotification* GetReplaceSelectionNotification() const { return GetReplaceNotification(); }
  //! The selected feature when exactly one is; null otherwise.
  ZORISpecObject_var GetFeature() const;
  //! Same as GetSelection with a list.
  HRESULT GetFeature(ZORListValZORISpecObject_var& features) const;

  //! The list made by CreateSelectorList; null before.
  ZORDlgSelectorList* GetSelectorList() const { return list_; }
  //! The frame made by CreateButtonsFrame; null before.
  ZORDlgFrame* GetButtonsFrame() const { return buttons_; }
  //! The notification sent up at each change of the content (not by Synchronise).
  ZORWENUIChangeNotification* GetChangeNotification() const { return change_.get(); }

 protected:
  //! Sends the change notification up from the list.
  void NotifyChange();

 private:
  //! Writes `feature`'s line at `line` (the placeholder's line when the list is empty).
  void AppendLine(const ZORISpecObject_var& feature);
  void ShowLine(const ZORISpecObject_var& feature, int line, int flag);
  //! The 0-based lines whose entries match `feature`.
  std::vector<int> LinesOf(const ZORISpecObject_var& feature) const;
  //! Removes the entries of the ascending 0-based `lines` and their lines in one pass.
  void RemoveLines(const std::vector<int>& lines);

  ZORHSO_var hso_;
  ZORListValZORISpecObject_var features_;
  ZORWENUIFeatureIndex index_;
  ZORDlgSelectorList* list_ = nullptr;  // children, owned by the frame
  ZORUnicodeString placeholder_;
  ZORDlgFrame* buttons_ = nullptr;
  ZORVar<ZORWENUIChangeNotification> change_;
};
