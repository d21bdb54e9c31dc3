#include "ZOREventLog.h"

void ZOREventLog::Record(ZORModelEvent* event) {
  if (!event) return;
  if (entries_.size() == kMaxEvents) {
    entries_.pop_front();
    ++dropped_;
  }
  entries_.push_back({ZORModelEvent_var(event), event->Describe()});
}

std::vector<ZORModelEvent_var> ZOREventLog::Events() const {
  std::vector<ZORModelEvent_var> events;
  events.reserve(entries_.size());
  for (const Entry& e : entries_) events.push_back(e.event);
  return events;
}

std::vector<std::string> ZOREventLog::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(entries_.size());
  for (const Entry& e : entries_) lines.push_back(e.line);
  return lines;
}

std::vector<std::string> ZOREventLog::DrainLines() {
  std::vector<std::string> lines = Lines();
  Clear();
  return lines;
}

void ZOREventLog::Clear() {
  entries_.clear();
  dropped_ = 0;
}
