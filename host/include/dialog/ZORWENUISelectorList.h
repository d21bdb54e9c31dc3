#pragma once
// The host's selector list of features: a one-column list whose rows follow an ordered list of
// features (row = position - 1). Commands move its selection to the row of a feature without
// telling anyone, or as a user's selection would.

#include "ZORDlgSelectorList.h"

class ZORWENUISelectorList : public ZORDlgSelectorList {
  ZOR_DECLARE_CLASS(ZORWENUISelectorList, ZORDlgSelectorList, ZORMetaObject::Implementation,
                    "Dialog")

  explicit ZORWENUISelectorList(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                                unsigned long style = 0)
      : ZORDlgSelectorList(parent, name, style) {}

  // Unselects every row; sends nothing.
  void ClearSelection() { ClearSelect(); }
  // Makes `row` (0-based) the only selected row; with `notify` the list-select notification is
  // sent as a user's selection sends it. False, changing nothing, for a row out of range.
  bool SelectRow(int row, int notify = 0);
  // The only selected row, or -1 when none or several are selected.
  int GetSelectedRow() const;
};
