#pragma once
// The numbered rows the coupling widgets share: rows counted from 1, selected without
// notification and scrolled into view.

#include "ZORDlgList.h"

// The selected row, from 1; 1 when there is no list or not exactly one row selected.
inline int ZORGuiSelectedRow(const ZORDlgList* list) {
  if (!list || list->GetSelectCount() != 1) return 1;
  int selected = 0;
  list->GetSelect(&selected, 1);
  return selected + 1;
}

// Selects `row` (from 1) without notification, first scrolling it into view; a row out of
// range selects the last one, scrolled to the top of the view. Nothing on an empty list.
inline void ZORGuiSelectRow(ZORDlgList* list, int row) {
  if (!list || list->GetLineCount() == 0) return;
  const int last = list->GetLineCount() - 1;
  int line = row - 1;
  const int first = list->GetFirstVisibleLine();
  const int visible = list->GetVisibleLineCount() > 0 ? list->GetVisibleLineCount() : 1;
  if (line < 0 || line > last) {
    line = last;
    list->SetFirstVisibleLine(last);
  } else if (line < first || line >= first + visible) {
    list->SetFirstVisibleLine(line);
  }
  list->SetSelect(line, 0);
}
