#pragma once
// One scenario script run in a fresh session: its transcript, its exit status and the pictures
// its snapshots took.

#include <string>
#include <vector>

struct ZORScenarioRun {
  std::string name;
  std::string transcript;
  //! 0 passed, 1 an expectation failed, 2 the script could not run.
  int status = 2;
  //! The SVG of each snapshot, in the order the script took them.
  std::vector<std::string> snapshots;

  //! Reads, checks and runs `text`, named `name` in the transcript; snapshots are written in
  //! `svgDirectory` too.
  static ZORScenarioRun Run(const std::string& text, const std::string& name,
                            const std::string& svgDirectory);
  //! "passed", "expectation failed" or "could not run".
  static const char* Verdict(int status);
};
