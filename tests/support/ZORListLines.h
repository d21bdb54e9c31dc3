#pragma once
// The lines of the selector lists on a screen (ZORDriver::DescribePanels), in order, as short
// texts tests compare: "*" before a selected line, "!" after one whose feature is highlighted.

#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> ZORListLines(const std::string& screen) {
  std::vector<std::string> lines;
  std::istringstream in(screen);
  for (std::string line; std::getline(in, line);) {
    const auto colon = line.find(": \"");
    if (colon == std::string::npos || line.find("ZOR") != std::string::npos) continue;
    const auto open = colon + 3;
    std::string text = line.substr(open, line.find('"', open) - open);
    if (line.find(" highlighted") != std::string::npos) text += "!";
    lines.push_back((line.find("* ") != std::string::npos ? "*" : "") + text);
  }
  return lines;
}
