#include "ZORDlgEditor.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "ZORDlgActivateNotification.h"
#include "ZORDlgModifyNotification.h"

bool ZORDlgEditor::ParseNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const double read = std::strtod(text.c_str(), &end);
  // The whole text, NUL bytes included, must be the number.
  if (errno != 0 || end != text.c_str() + text.size() || !std::isfinite(read)) return false;
  value = read;
  return true;
}

bool ZORDlgEditor::GetIntegerValue(int& value) const {
  double read = 0;
  if (!ParseNumber(text_.str(), read) || read != std::trunc(read) || read < INT_MIN ||
      read > INT_MAX) {
    return false;
  }
  value = static_cast<int>(read);
  return true;
}

ZORDlgEditor::ZORDlgEditor(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style),
      modify_(ZORMake<ZORDlgModifyNotification>()),
      activate_(ZORMake<ZORDlgActivateNotification>()) {}

ZORDlgEditor::~ZORDlgEditor() = default;

bool ZORDlgEditor::GetValue(double& value) const {
  return ParseNumber(text_.str(), value);
}

void ZORDlgEditor::SetValue(double value) {
  text_ = ZORUnicodeString::Format("%g", value);
}

bool ZORDlgEditor::Type(const ZORUnicodeString& text) {
  if (!IsUserReachable()) return false;
  double ignored = 0;
  if ((GetStyle() & kNumeric) && !ParseNumber(text.str(), ignored)) return false;
  ZORVar<ZORDlgEditor> keep(this);
  text_ = text;
  SendUserNotification(modify_);
  SendUserNotification(activate_);
  return true;
}
