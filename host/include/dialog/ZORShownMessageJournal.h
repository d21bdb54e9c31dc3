#pragma once
// The host's journal of shown messages: every message box and notification panel shown is
// recorded, so that the driver and tests can see what a user would have read. The journal is
// bounded: past its capacity the oldest entries go and are counted as dropped.

#include <cstddef>
#include <deque>
#include <vector>

#include "ZORShownMessage.h"

class ZORShownMessageJournal {
 public:
  static constexpr std::size_t kCapacity = 256;

  static void Record(ZORShownMessage entry);
  // The entries in the order they were shown.
  static const std::deque<ZORShownMessage>& Entries();
  // Hands over the entries and empties the journal (the dropped count too).
  static std::vector<ZORShownMessage> Drain();
  // Entries lost to the bound since the journal was last drained or cleared.
  static std::size_t DroppedCount();
  static void Clear();
};
