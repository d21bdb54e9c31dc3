#include "ZORShownMessageJournal.h"

#include <utility>

namespace {

struct Journal {
  std::deque<ZORShownMessage> entries;
  std::size_t dropped = 0;
};

Journal& TheJournal() {
  static Journal journal;
  return journal;
}

}  // namespace

void ZORShownMessageJournal::Record(ZORShownMessage entry) {
  Journal& j = TheJournal();
  if (j.entries.size() >= kCapacity) {
    j.entries.pop_front();
    ++j.dropped;
  }
  j.entries.push_back(std::move(entry));
}

const std::deque<ZORShownMessage>& ZORShownMessageJournal::Entries() {
  return TheJournal().entries;
}

std::vector<ZORShownMessage> ZORShownMessageJournal::Drain() {
  Journal& j = TheJournal();
  std::vector<ZORShownMessage> drained(std::make_move_iterator(j.entries.begin()),
                                       std::make_move_iterator(j.entries.end()));
  Clear();
  return drained;
}

std::size_t ZORShownMessageJournal::DroppedCount() {
  return TheJournal().dropped;
}

void ZORShownMessageJournal::Clear() {
  TheJournal().entries.clear();
  TheJournal().dropped = 0;
}
