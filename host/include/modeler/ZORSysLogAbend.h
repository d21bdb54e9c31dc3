#pragma once
// The abend log: internal inconsistencies that never stop a command. Tests read it back.

#include <string>
#include <vector>

void ZORSysLogAbend(const char* text);

class ZORAbendLog {
 public:
  // The most recent lines, oldest first; the log keeps a bounded number of them.
  static const std::vector<std::string>& Lines();
  static bool Contains(const std::string& text);
  static void Clear();
  static constexpr std::size_t kMaxLines = 10000;
};
