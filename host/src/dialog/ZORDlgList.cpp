#include "ZORDlgList.h"

#include "ZORDlgActivateNotification.h"
#include "ZORDlgSelectNotification.h"

ZORDlgList::ZORDlgList(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style),
      select_(ZORMake<ZORDlgSelectNotification>()),
      activate_(ZORMake<ZORDlgActivateNotification>()) {}

ZORDlgList::~ZORDlgList() = default;

void ZORDlgList::ClearLine() {
  rows_.Clear();
  selected_.Clear();
}

void ZORDlgList::ClearLine(int index) {
  ClearLine(&index, 1);
}

void ZORDlgList::ClearLine(const int* indices, int count) {
  if (!indices || count <= 0) return;
  const std::vector<int> lines(indices, indices + count);
  for (int line : lines) {
    if (HasRow(line)) selected_.Erase(rows_.EntryOf(line));  // nothing when not selected
  }
  if (rows_.Remove(lines)) IndexSelection();
}

void ZORDlgList::IndexSelection() {
  selected_.Clear();
  rows_.ForEachEntry([this](ZORRankedList<Row>::Entry entry, const Row& row) {
    if (row.selected) selected_.Insert(entry);
  });
}

bool ZORDlgList::IsSelected(int index) const {
  return HasRow(index) && rows_[index].selected;
}

int ZORDlgList::GetSelect(int* indices, int size) const {
  if (!indices) return 0;
  int written = 0;
  selected_.ForEachWhile([&](ZORRankedList<Row>::Entry entry) {
    if (written >= size) return false;
    indices[written++] = rows_.PositionOf(entry);
    return true;
  });
  return written;
}

std::vector<int> ZORDlgList::GetSelect() const {
  std::vector<int> selected(selected_.Size());
  GetSelect(selected.data(), GetSelectCount());
  return selected;
}

void ZORDlgList::Select(int index, bool on) {
  Row& row = rows_[index];
  if (row.selected == on) return;
  row.selected = on;
  if (on) {
    selected_.Insert(rows_.EntryOf(index));
  } else {
    selected_.Erase(rows_.EntryOf(index));
  }
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
  selected_.ForEach(
      [this](ZORRankedList<Row>::Entry entry) { rows_.AtEntry(entry).selected = false; });
  selected_.Clear();
}

void ZORDlgList::ClearSelect(const int* indices, int count) {
  for (int i = 0; indices && i < count; ++i) {
    if (HasRow(indices[i])) Select(indices[i], false);
  }
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
  if (rows_.Insert(index, Row())) IndexSelection();
  return index;
}

ZORUnicodeString& ZORDlgList::Cell(int row, int column) {
  Row& cells = rows_[row];
  if (column == 0) return cells.first;
  const auto at = static_cast<std::size_t>(column) - 1;
  if (cells.more.size() <= at) cells.more.resize(at + 1);
  return cells.more[at];
}

ZORUnicodeString ZORDlgList::CellText(int row, int column) const {
  if (!HasRow(row) || column < 0) return ZORUnicodeString();
  const Row& cells = rows_[row];
  if (column == 0) return cells.first;
  const auto at = static_cast<std::size_t>(column) - 1;
  return at < cells.more.size() ? cells.more[at] : ZORUnicodeString();
}

bool ZORDlgList::SetContextualLine(int line) {
  if (!IsUserReachable() || !HasRow(line)) return false;
  contextualLine_ = line;
  return true;
}

bool ZORDlgList::SetLineObject(int line, const ZORBaseUnknown_var& object) {
  if (!HasRow(line)) return false;
  rows_[line].object = object;
  return true;
}

ZORBaseUnknown_var ZORDlgList::GetLineObject(int line) const {
  return HasRow(line) ? rows_[line].object : ZORBaseUnknown_var();
}
