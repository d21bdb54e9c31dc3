#pragma once
// The model events dispatched in a document, in order, for the viewer to read and the driver to
// drain. It keeps the most recent kMaxEvents and counts what it dropped. Each event's line tells
// the names as they were when it was recorded: lines are written when first read, and the
// document has the log write the pending ones (Freeze) before any name changes. An event itself
// never changes, so only names could make a line read late differ.

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "ZORModelEvent.h"

class ZOREventLog {
 public:
  static constexpr std::size_t kMaxEvents = 4096;

  void Record(ZORModelEvent* event);
  // Writes the line of every event recorded since the last read: names are about to change.
  void Freeze() { WritePending(); }

  std::size_t Size() const { return entries_.size(); }
  std::size_t Dropped() const { return dropped_; }
  // The recorded events and their lines, oldest first.
  std::vector<ZORModelEvent_var> Events() const;
  std::vector<std::string> Lines() const;
  // Hands the recorded lines over and forgets them.
  std::vector<std::string> DrainLines();
  void Clear();

 private:
  struct Entry {
    ZORModelEvent_var event;
    std::string line;
  };
  void WritePending() const;

  // Most events of a large change fall out of the window before anyone reads them: writing
  // their lines at once would cost more than the change itself.
  mutable std::deque<Entry> entries_;
  mutable std::size_t unwritten_ = 0;  // the newest entries whose lines are not written yet
  std::size_t dropped_ = 0;
};
