#pragma once
// What zorhost prints as a scenario runs: each statement as written, then, indented, what a
// user would see change — the message boxes shown, the commands running, the panels and the
// document when asked. Nothing printed depends on addresses or times.

#include <cstdio>
#include <string>
#include <vector>

#include "ZORScenarioStatement.h"
#include "ZORShownMessage.h"

class ZORHostTranscript {
 public:
  explicit ZORHostTranscript(std::FILE* out) : out_(out) {}

  // "> keyword arguments", quoting the arguments that need it.
  void Statement(const ZORScenarioStatement& statement);
  // A numbered heading.
  void Step(const std::string& title);
  // One indented line.
  void Note(const std::string& text);
  // An indented heading with `text` indented below it ("(none)" when empty).
  void Block(const std::string& heading, const std::string& text);
  void Messages(const std::vector<ZORShownMessage>& messages);
  void Print(const std::string& text);

  // `text` quoted when it is empty or holds blanks, quotes or backslashes.
  static std::string Quote(const std::string& text);

 private:
  std::FILE* out_;
  int steps_ = 0;
};
