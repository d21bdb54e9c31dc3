#pragma once
//! \class ZORWENUIModesSelectorList
//! The panel widget through which a feature command collects a set of input features: one line
//! per feature (entry k on line k-1, a placeholder line while empty), the selected lines'
//! features highlighted in the current editor, and two check buttons, "Append" and "Remove",
//! whose states give the selection mode:
//!
//!   mode 0 append  (Append checked):   new features are added, listed ones left alone;
//!   mode 1 remove  (Remove checked):   listed features are removed, new ones ignored;
//!   mode 2 replace (both checked):     the selected lines are replaced by the picked features;
//!   mode 3 standard (neither checked): a listed feature is removed, a new one added.
//!
//! The owning command feeds the features picked in the geometry to Sort, which tells which to
//! add and which positions to remove, then calls Append and Remove, then Refresh for the
//! buttons' sensitivity. A single click on a button makes the two exclusive; a double click
//! makes the mode sticky (Refresh no longer resets it); the menu's Replace enters mode 2 when
//! one line is selected. The list never judges a feature: selection tests do, before.
//!
//! Contracts: every operation answers S_OK or E_FAIL (through ZORError::GetReturn) and a failure
//! changes nothing further; there are no messages. Null features, positions outside 1..size,
//! positions to remove that do not strictly ascend, a feature not listed for SetSelection, a
//! missing highlight set (no editor at construction) when highlighting is asked: E_FAIL.
//!
//! Typical use, in a command's action after a pick:
//!   ZORListValZORISpecObject_var add;  ZORRawCollint drop;
//!   if (SUCCEEDED(list->Sort(picked, add, drop, 0))) {
//!     list->Remove(drop, 1);  list->Append(add, 1, 1);  list->Refresh();
//!   }

#include <vector>

#include "ZORDlgCheckButton.h"
#include "ZORDlgFrame.h"
#include "ZORDlgSelectorList.h"
#include "ZORGuiCommandStackFrame.h"
#include "ZORHSO.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORListValZORUnicodeString.h"
#include "ZORRawColl.h"
#include "ZORWENUIChangeNotification.h"
#include "ZORWENUIFeatureIndex.h"

class ZORWENUIModesSelectorList : public ZORGuiCommandStackFrame {
  ZOR_DECLARE_CLASS(ZORWENUIModesSelectorList, ZORGuiCommandStackFrame,
                    ZORMetaObject::Implementation, "WENUI")

  //! Values of GetMode.
  enum Mode { kAppend = 0, kRemove = 1, kReplace = 2, kStandard = 3, kUndefined = 4 };

  //! Builds the list "SelectorList", the buttons "ButtonsFrame/Append" and ".../Remove"
  //! (insensitive), the contextual menu, and takes the current editor's highlighted set.
  ZORWENUIModesSelectorList(ZORDialog* parent, const ZORString& name, unsigned long style,
                            ZORGuiContextualMenuData menuData);
  ~ZORWENUIModesSelectorList() override;

  //! Stores the menu data the contextual menu shows with.
  void SetCtxMenu(ZORGuiContextualMenuData menuData);
  //! Applies the selection with notification; selects every line first when none is.
  HRESULT SetFocus();
  //! Shows the stored selection in the list and highlights its features.
  HRESULT Highlight();
  //! Clears the list's selection (the stored one stays) and unhighlights its features.
  HRESULT UnHighlight();
  //! The selection mode from the two buttons (Mode).
  int GetMode() const;
  //! Unless sticky, unchecks both buttons; both are sensitive exactly when features are listed.
  HRESULT Refresh();
  //! The first position after `start` whose entry is `feature`, or a related BRep feature on
  //! the same support; 0 when none or for null.
  int Locate(const ZORBaseUnknown_var& feature, int start) const;
  //! Classifies picked features under the current mode: those to add, and the positions to
  //! remove (ascending, no repeats). `keep` adds new features in mode 1 and records no
  //! positions of listed ones.
  HRESULT Sort(const ZORListValZORISpecObject_var& input, ZORListValZORISpecObject_var& toAdd,
               ZORRawCollint& toRemove, int keep);
  //! Appends one feature; `select` selects its line, `highlight` (with `select`) highlights it.
  HRESULT Append(const ZORISpecObject_var& feature, int select, int highlight);
  //! Appends features in order, each line its display name; only the new lines are applied.
  HRESULT Append(const ZORListValZORISpecObject_var& features, int select, int highlight);
  //! The same, each line followed by the suffix of the same rank (none past the suffixes).
  HRESULT Append(const ZORListValZORISpecObject_var& features,
                 const ZORListValZORUnicodeString& suffixes, int select, int highlight);
  //! Removes the entry at `position` (1..size), unhighlighting it when asked.
  HRESULT Remove(int position, int unhighlight);
  //! Removes the entries at `positions`, strictly ascending within 1..size, in one pass.
  HRESULT Remove(const ZORRawCollint& positions, int unhighlight);
  //! Empties the list; nothing stays selected.
  HRESULT RemoveAll(int unhighlight);
  //! Selects and highlights every line.
  HRESULT SelectAll();
  //! Appends the selected features to `features`, in selection order.
  HRESULT GetSelection(ZORListValZORISpecObject_var& features);
  //! Appends the selected lines' positions (1-based) to `positions`, in selection order.
  HRESULT GetSelection(ZORRawCollint& positions);
  //! Selects exactly these positions (1..size), highlighted; E_FAIL, changing nothing, when one
  //! is out of range.
  HRESULT SetSelection(const ZORRawCollint& positions);
  //! Selects exactly these listed features, highlighted; E_FAIL, changing nothing, when one is
  //! not listed.
  HRESULT SetSelection(const ZORListValZORISpecObject_var& features);
  //! The list's list-select notification, for the owner to hear the user's clicks.
  ZORNotification* SelectorClickNotification() const;
  //! The selected feature when exactly one is; null otherwise.
  ZORISpecObject_var GetFeature();
  //! Same as GetSelection with a list.
  HRESULT GetFeature(ZORListValZORISpecObject_var& features);

  //! A click on a line: forwarded to the owner; the new selection is highlighted (read at its
  //! next use when the list cannot highlight yet), and a Replace in progress is refreshed.
  void SelectorClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! A click on the "Append" button: the mode is no longer sticky, and "Remove" is unchecked.
  void AppendClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! A click on the "Remove" button: the mode is no longer sticky, and "Append" is unchecked.
  void RemoveClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! A double click on a button: its mode becomes sticky, kept after the next pick.
  void ButtonDblClickEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The menu's Replace with one listed line selected: both buttons checked (mode 3), so the
  //! next pick replaces that line's feature.
  void ReplaceEvent(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The listed features, in line order.
  const ZORListValZORISpecObject_var& GetFeatures() const { return features_; }
  //! The change notification the list owns.
  ZORWENUIChangeNotification* GetChangeNotification() const { return change_.get(); }
  //! Whether the current mode stays after a pick (a button was double-clicked).
  bool IsSticky() const { return sticky_; }

 private:
  void BuildButtons();
  HRESULT AppendAll(const ZORListValZORISpecObject_var& features,
                    const ZORListValZORUnicodeString& suffixes, int select, int highlight,
                    bool batch);
  //! The stored selection, read again from the list when a click changed it unread.
  std::vector<int>& Selection();
  //! Highlights or unhighlights the features of `lines` in one batch; E_FAIL at the first that
  //! has no path (those before stay done).
  HRESULT HighlightLines(const std::vector<int>& lines, bool on);
  //! The positions of the features, located in the list; false when one is not listed.
  bool LocateAll(const ZORListValZORISpecObject_var& features, std::vector<int>& lines) const;
  HRESULT ReplaceSelection(const std::vector<int>& lines);
  //! Removes the entries of the sorted, distinct 0-based `lines` from the list, its lines and
  //! the selection, in one pass.
  void RemoveLines(const std::vector<int>& lines);
  void ApplySelection(const std::vector<int>& lines, int notify) const;
  //! Whether the list shows exactly the stored selection (repeats aside).
  bool ShowsSelection() const;

  ZORListValZORISpecObject_var features_;
  ZORWENUIFeatureIndex index_;
  ZORDlgSelectorList* list_ = nullptr;  // children, owned by the frame
  ZORDlgFrame* buttons_ = nullptr;
  ZORDlgCheckButton* append_ = nullptr;
  ZORDlgCheckButton* remove_ = nullptr;
  ZORUnicodeString placeholder_;
  ZORVar<ZORWENUIChangeNotification> change_;
  ZORHSO_var hso_;
  std::vector<int> selection_;  // 0-based lines, in the order they were selected
  bool unread_ = false;         // the user changed the list's selection since it was read
  bool sticky_ = false;
};
