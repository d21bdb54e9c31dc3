#include "ZORDlgCombo.h"

#include "ZORDlgSelectNotification.h"

ZORDlgCombo::ZORDlgCombo(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style), select_(ZORMake<ZORDlgSelectNotification>()) {}

ZORDlgCombo::~ZORDlgCombo() = default;

bool ZORDlgCombo::SetLine(const ZORUnicodeString& text, int line, int mode) {
  const int count = GetLineCount();
  if (mode == kModify) {
    if (line < 0 || line >= count) return false;
    lines_[static_cast<std::size_t>(line)] = text;
    return true;
  }
  if (mode != kInsert || line < -1 || line > count) return false;
  const int at = line == -1 ? count : line;
  lines_.insert(lines_.begin() + at, text);
  if (selected_ >= at) ++selected_;
  return true;
}

ZORUnicodeString ZORDlgCombo::GetLine(int line) const {
  if (line < 0 || line >= GetLineCount()) return ZORUnicodeString();
  return lines_[static_cast<std::size_t>(line)];
}

void ZORDlgCombo::ClearLine() {
  lines_.clear();
  selected_ = -1;
}

bool ZORDlgCombo::SetSelect(int line, int notify) {
  if (line < -1 || line >= GetLineCount()) return false;
  selected_ = line;
  if (notify) SendUserNotification(select_);
  return true;
}

bool ZORDlgCombo::Select(int line) {
  if (!IsUserReachable() || line < 0 || line >= GetLineCount()) return false;
  return SetSelect(line, 1);
}

bool ZORDlgCombo::Select(const ZORUnicodeString& text) {
  for (int line = 0; line < GetLineCount(); ++line) {
    if (lines_[static_cast<std::size_t>(line)] == text) return Select(line);
  }
  return false;
}
