#pragma once
// The journal operations that bracket what an agent journals while the journal is active: the
// log is forced open before, and its state refreshed after, so that a replay finds the log as
// the session left it. Each is recorded in the journal (ZORWenJournaling::Lines) under its name.

class ZORWenJournalingLog {
 public:
  // Opens the log (ZORWenJournaling::LogAOuvrir), then records "ForceOpenLog".
  static void ForceOpenLog();
  // Records "RemiseAJourEtatLog".
  static void RemiseAJourEtatLog();
};
