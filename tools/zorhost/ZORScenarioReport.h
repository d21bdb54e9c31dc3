#pragma once
// The report of scenario runs a person reads in a browser: one self-contained XHTML page (no
// script, nothing fetched) with a section per scenario: its status, its transcript with the
// failed expectations and errors marked, and each snapshot drawn inline where the script took it.

#include <string>
#include <vector>

#include "ZORScenarioRun.h"

class ZORScenarioReport {
 public:
  //! The page for `runs`, in order.
  static std::string Page(const std::vector<ZORScenarioRun>& runs);
  //! Whether a report can be written into `directory`, made when missing; else false with the
  //! reason.
  static bool CanWrite(const std::string& directory, std::string& reason);
  //! Writes `directory`/index.html whole or not at all; false with the reason when it cannot.
  static bool Write(const std::string& directory, const std::vector<ZORScenarioRun>& runs,
                    std::string& reason);

 private:
  static std::string Section(const ZORScenarioRun& run, int number);
  static std::string Transcript(const ZORScenarioRun& run);
};
