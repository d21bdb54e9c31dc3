#include "ZORSysLogAbend.h"

#include <algorithm>

namespace {

std::vector<std::string>& Log() {
  static std::vector<std::string> lines;
  return lines;
}

}  // namespace

void ZORSysLogAbend(const char* text) {
  auto& lines = Log();
  // Drop the older half at once so that a long run stays linear.
  if (lines.size() >= ZORAbendLog::kMaxLines) {
    lines.erase(lines.begin(), lines.begin() + ZORAbendLog::kMaxLines / 2);
  }
  lines.emplace_back(text ? text : "");
}

const std::vector<std::string>& ZORAbendLog::Lines() {
  return Log();
}

bool ZORAbendLog::Contains(const std::string& text) {
  const auto& lines = Log();
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

void ZORAbendLog::Clear() {
  Log().clear();
}
