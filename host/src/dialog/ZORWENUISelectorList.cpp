#include "ZORWENUISelectorList.h"

bool ZORWENUISelectorList::SelectRow(int row, int notify) {
  if (!HasRow(row)) return false;
  ClearSelect();
  SetSelect(row, notify);
  return true;
}

int ZORWENUISelectorList::GetSelectedRow() const {
  if (GetSelectCount() != 1) return -1;
  int row = -1;
  GetSelect(&row, 1);
  return row;
}
