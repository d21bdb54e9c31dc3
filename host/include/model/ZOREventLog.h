#pragma once
// The model events dispatched in a document, in order, for the viewer to read and the driver to
// drain. It keeps the most recent kMaxEvents and counts what it dropped. Each event's line is
// written when it is recorded, so it tells the names as they were then.

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "ZORModelEvent.h"

class ZOREventLog {
 public:
  static constexpr std::size_t kMaxEvents = 4096;

  void Record(ZORModelEvent* event);

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
  std::deque<Entry> entries_;
  std::size_t dropped_ = 0;
};
