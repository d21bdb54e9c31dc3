#include "ZORDlgSpinner.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "ZORDlgEditor.h"
#include "ZORDlgModifyNotification.h"

ZORDlgSpinner::ZORDlgSpinner(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style), modify_(ZORMake<ZORDlgModifyNotification>()) {}

ZORDlgSpinner::~ZORDlgSpinner() = default;

bool ZORDlgSpinner::SetRange(double minimum, double maximum, int steps, int /*display*/) {
  if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum >= maximum || steps < 1) {
    return false;
  }
  minimum_ = minimum;
  maximum_ = maximum;
  steps_ = steps;
  value_ = InRange(value_);
  return true;
}

float ZORDlgSpinner::InRange(double value) const {
  float rounded = static_cast<float>(std::clamp(value, minimum_, maximum_));
  // Rounding may step over an end of the range: take the float next to it inside.
  if (rounded > maximum_) rounded = std::nextafter(rounded, -INFINITY);
  if (rounded < minimum_) rounded = std::nextafter(rounded, INFINITY);
  return rounded;
}

bool ZORDlgSpinner::SetCurrentValue(double value, int notify) {
  if (!std::isfinite(value)) return false;
  value_ = InRange(value);
  if (notify) SendUserNotification(modify_);
  return true;
}

namespace {

// One conversion of a double and nothing else that printf would read.
bool IsDoubleFormat(const std::string& format) {
  int conversions = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (i + 1 < format.size() && format[i + 1] == '%') {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < format.size() && std::string_view("-+ 0#").find(format[j]) != std::string::npos) ++j;
    while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j]))) ++j;
    if (j < format.size() && format[j] == '.') ++j;
    while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j]))) ++j;
    if (j >= format.size() || std::string_view("fFeEgG").find(format[j]) == std::string::npos ||
        j - i > 8) {
      return false;
    }
    ++conversions;
    i = j;
  }
  return conversions == 1;
}

}  // namespace

bool ZORDlgSpinner::SetFormat(const std::string& format) {
  if (!IsDoubleFormat(format)) return false;
  format_ = format;
  return true;
}

std::string ZORDlgSpinner::GetShownText() const {
  const int size = std::snprintf(nullptr, 0, format_.c_str(), value_);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0) + 1, '\0');
  std::snprintf(text.data(), text.size(), format_.c_str(), value_);
  text.pop_back();
  return text;
}

bool ZORDlgSpinner::Change(double value) {
  const float clamped = InRange(value);
  if (clamped == value_) return false;
  value_ = clamped;
  SendUserNotification(modify_);
  return true;
}

bool ZORDlgSpinner::Spin(bool up, int clicks) {
  if (clicks < 1 || !IsUserReachable()) return false;
  return Change(value_ + (up ? clicks : -clicks) * GetStep());
}

bool ZORDlgSpinner::Type(const std::string& text) {
  double value = 0;
  if (!IsUserReachable() || !ZORDlgEditor::ParseNumber(text, value)) return false;
  if (value < minimum_ || value > maximum_) return false;
  value_ = InRange(value);
  SendUserNotification(modify_);
  return true;
}
