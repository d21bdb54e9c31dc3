#include "ZORDlgMultiList.h"

#include <algorithm>

void ZORDlgMultiList::SetColumnTitles(int count, const ZORUnicodeString* titles) {
  if (count < 0) return;
  titles_.assign(static_cast<std::size_t>(count), ZORUnicodeString());
  for (int i = 0; titles && i < count; ++i) titles_[static_cast<std::size_t>(i)] = titles[i];
  columnCount_ = count;
}

ZORUnicodeString ZORDlgMultiList::GetColumnTitle(int column) const {
  if (column < 0 || static_cast<std::size_t>(column) >= titles_.size()) return ZORUnicodeString();
  return titles_[static_cast<std::size_t>(column)];
}

bool ZORDlgMultiList::SetColumnItem(int column, const ZORUnicodeString& text, int row, int flag) {
  if (column < 0) return false;
  if (flag == kAddLine) {
    if (row == -1 || row == GetLineCount()) row = InsertRow(-1);
  } else if (flag != kModifyLine) {
    return false;
  }
  if (!HasRow(row)) return false;
  Cell(row, column) = text;
  columnCount_ = std::max(columnCount_, column + 1);
  return true;
}

void ZORDlgMultiList::SetColumnTextWidth(int column, int width) {
  if (column < 0) return;
  if (widths_.size() <= static_cast<std::size_t>(column))
    widths_.resize(static_cast<std::size_t>(column) + 1, 0);
  widths_[static_cast<std::size_t>(column)] = width;
}

int ZORDlgMultiList::GetColumnTextWidth(int column) const {
  if (column < 0 || static_cast<std::size_t>(column) >= widths_.size()) return 0;
  return widths_[static_cast<std::size_t>(column)];
}
