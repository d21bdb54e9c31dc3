#pragma once
// The workbench journal: when it is active, commands log what they create so that a session
// can be replayed. The host keeps the logged lines for tests and transcripts.

#include <string>
#include <vector>

class ZORWenJournaling {
 public:
  static bool TstIsJournalActif();
  // Opens the journal log (a no-op when it is open already).
  static void LogAOuvrir();
  static bool IsLogOpen();
  static void Log(const std::string& line);

  // Host switch and what was logged.
  static void SetActive(bool active);
  static const std::vector<std::string>& Lines();
  static void Reset();
};
