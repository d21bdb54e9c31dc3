#pragma once
// One statement of a scenario script, as the reader found it: where it stands, the statement's
// keyword (one to three words, "expect no panel") and its arguments, quotes removed.

#include <string>
#include <vector>

struct ZORScenarioStatement {
  std::string file;
  int line = 0;
  std::string keyword;
  std::vector<std::string> args;

  // "FILE:LINE", the prefix of every message about the statement.
  std::string Where() const { return file + ":" + std::to_string(line); }
};
