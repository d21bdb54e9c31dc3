#include "ZORDlgSelectorList.h"

bool ZORDlgSelectorList::SetLine(const ZORUnicodeString& text, int index, int flag) {
  if (flag == kModifyLine) {
    if (!HasRow(index)) return false;
    Cell(index, 0) = text;
    return true;
  }
  if (flag != kAddLine) return false;
  const int row = InsertRow(index);
  if (row < 0) return false;
  Cell(row, 0) = text;
  return true;
}
