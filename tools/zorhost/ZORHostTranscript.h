#pragma once
// What zorhost prints as a session goes: each step, then what a user would see change — the
// message boxes shown, the open panels, the document when asked.

#include <cstdio>
#include <string>

#include "ZORDriver.h"

class ZORHostTranscript {
 public:
  ZORHostTranscript(ZORDriver& driver, std::FILE* out) : driver_(driver), out_(out) {}

  void Step(const std::string& what);
  // The boxes shown since the last call, then the open panels.
  void Screen();
  void Document();

 private:
  void Print(const std::string& text);

  ZORDriver& driver_;
  std::FILE* out_;
  int steps_ = 0;
};
