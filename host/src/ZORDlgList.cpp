#include "ZORDlgList.h"

#include "ZORDlgActivateNotification.h"
#include "ZORDlgSelectNotification.h"

ZORDlgList::ZORDlgList(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style),
      select_(ZORMake<ZORDlgSelectNotification>()),
      activate_(ZORMake<ZORDlgActivateNotification>()) {}

ZORDlgList::~ZORDlgList() = default;

void ZORDlgList::ClearLine() {
  rows_.clear();
  selectCount_ = 0;
}

void ZORDlgList::ClearLine(int index) {
  ClearLine(&index, 1);
}

void ZORDlgList::ClearLine(const int* indices, int count) {
  if (!indices || count <= 0) return;
  std::vector<char> marked(rows_.size(), 0);
  for (int i = 0; i < count; ++i) {
    if (HasRow(indices[i])) marked[static_cast<std::size_t>(indices[i])] = 1;
  }
  RemoveMarked(marked);
}

void ZORDlgList::RemoveMarked(const std::vector<char>& marked) {
  // One pass, so that clearing many lines stays linear.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (marked[i]) {
      if (rows_[i].selected) --selectCount_;
      continue;
    }
    if (kept != i) rows_[kept] = std::move(rows_[i]);
    ++kept;
  }
  rows_.resize(kept);
}

bool ZORDlgList::IsSelected(int index) const {
  return HasRow(index) && rows_[static_cast<std::size_t>(index)].selected;
}

int ZORDlgList::GetSelect(int* indices, int size) const {
  if (!indices) return 0;
  int written = 0;
  for (int i = 0; i < GetLineCount() && written < size; ++i) {
    if (rows_[static_cast<std::size_t>(i)].selected) indices[written++] = i;
  }
  return written;
}

std::vector<int> ZORDlgList::GetSelect() const {
  std::vector<int> selected(static_cast<std::size_t>(selectCount_));
  GetSelect(selected.data(), selectCount_);
  return selected;
}

void ZORDlgList::Select(int index, bool on) {
  Row& row = rows_[static_cast<std::size_t>(index)];
  if (row.selected == on) return;
  row.selected = on;
  selectCount_ += on ? 1 : -1;
}

void ZORDlgList::SetSelect(const int* indices, int count, int notify) {
  int last = -1;
  for (int i = 0; indices && i < count; ++i) {
    if (!HasRow(indices[i])) continue;
    last = indices[i];
    if (IsMultipleSelection()) Select(last, true);
  }
  if (!IsMultipleSelection() && last >= 0) {
    ClearSelect();
    Select(last, true);
  }
  if (notify) SendUserNotification(select_);
}

void ZORDlgList::ClearSelect() {
  for (Row& row : rows_) row.selected = false;
  selectCount_ = 0;
}

bool ZORDlgList::Click(int line, bool extend) {
  if (!IsUserReachable() || !HasRow(line)) return false;
  if (extend && IsMultipleSelection()) {
    Select(line, !IsSelected(line));
  } else {
    ClearSelect();
    Select(line, true);
  }
  SendUserNotification(select_);
  return true;
}

bool ZORDlgList::SelectLines(const std::vector<int>& lines) {
  if (!IsUserReachable()) return false;
  if (lines.size() > 1 && !IsMultipleSelection()) return false;
  for (int line : lines) {
    if (!HasRow(line)) return false;
  }
  ClearSelect();
  for (int line : lines) Select(line, true);
  SendUserNotification(select_);
  return true;
}

bool ZORDlgList::DoubleClick(int line) {
  ZORVar<ZORDlgList> keep(this);
  if (!Click(line)) return false;
  // The first click's listeners may have changed the list under the pointer.
  if (!IsUserReachable()) return true;
  SendUserNotification(activate_);
  return true;
}

int ZORDlgList::InsertRow(int index) {
  if (index == -1) index = GetLineCount();
  if (index < 0 || index > GetLineCount()) return -1;
  rows_.insert(rows_.begin() + index, Row());
  return index;
}

ZORUnicodeString& ZORDlgList::Cell(int row, int column) {
  auto& cells = rows_[static_cast<std::size_t>(row)].cells;
  if (cells.size() <= static_cast<std::size_t>(column))
    cells.resize(static_cast<std::size_t>(column) + 1);
  return cells[static_cast<std::size_t>(column)];
}

ZORUnicodeString ZORDlgList::CellText(int row, int column) const {
  if (!HasRow(row) || column < 0) return ZORUnicodeString();
  const auto& cells = rows_[static_cast<std::size_t>(row)].cells;
  if (static_cast<std::size_t>(column) >= cells.size()) return ZORUnicodeString();
  return cells[static_cast<std::size_t>(column)];
}
