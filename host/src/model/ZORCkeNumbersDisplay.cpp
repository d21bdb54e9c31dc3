#include "ZORCkeNumbersDisplay.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ZORCkeTypeDictionary.h"

namespace {

std::string Fixed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  // Values too large to hold more decimals are printed as they are.
  double rounded = std::abs(value) < 1e15 / scale ? std::round(value * scale) / scale : value;
  if (rounded == 0.0) rounded = 0.0;  // no "-0"
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
  return buffer;
}

std::string DropTrailingZeros(std::string text) {
  if (text.find('.') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

ZORUnicodeString ZORCkeNumbersDisplay::DoubleToString(double value, const ZORString& unit,
                                                      int mode) {
  if (!std::isfinite(value)) return ZORUnicodeString();
  std::string text;
  if (mode == kRoundedMode) {
    text = DropTrailingZeros(Fixed(value, 3));
  } else if (mode == kMicroMode) {
    text = DropTrailingZeros(Fixed(value, 6));
  } else if (mode == kTwoDecimalsMode) {
    text = Fixed(value, 2);
  } else {
    return ZORUnicodeString();
  }
  return ZORUnicodeString(text + unit.str());
}

bool ZORCkeNumbersDisplay::StringToDouble(const std::string& text, const ZORString& magnitude,
                                          double& value) {
  const ZORCkeType* type = ZORCkeTypeDictionary::FindType(magnitude);
  if (!type || text.empty() || text.find('\0') != std::string::npos) return false;
  char* end = nullptr;
  errno = 0;
  const double read = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || errno != 0 || !std::isfinite(read)) return false;
  std::string unit(end);
  while (!unit.empty() && unit.front() == ' ') unit.erase(0, 1);
  if (!unit.empty() && unit != type->GetStorageUnit()) return false;
  value = read;
  return true;
}

ZORUnicodeString ZORCkeNumbersDisplay::ParmToString(ZORICkeParm* parameter) {
  if (!parameter) return ZORUnicodeString();
  const ZORCkeType* type = ZORCkeTypeDictionary::FindType(parameter->GetMagnitude());
  return DoubleToString(parameter->GetStoredValue(),
                        ZORString(type ? type->GetStorageUnit() : std::string()), kRoundedMode);
}
