#include "ZOREventLog.h"

#include <algorithm>

void ZOREventLog::Record(ZORModelEvent* event) {
  if (!event) return;
  if (entries_.size() == kMaxEvents) {
    entries_.pop_front();
    ++dropped_;
    unwritten_ = std::min(unwritten_, entries_.size());
  }
  entries_.push_back({ZORModelEvent_var(event), std::string()});
  ++unwritten_;
}

void ZOREventLog::WritePending() const {
  const auto first = entries_.end() - static_cast<std::ptrdiff_t>(unwritten_);
  for (auto it = first; it != entries_.end(); ++it) it->line = it->event->Describe();
  unwritten_ = 0;
}

std::vector<ZORModelEvent_var> ZOREventLog::Events() const {
  std::vector<ZORModelEvent_var> events;
  events.reserve(entries_.size());
  for (const Entry& e : entries_) events.push_back(e.event);
  return events;
}

std::vector<std::string> ZOREventLog::Lines() const {
  WritePending();
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
  unwritten_ = 0;
  dropped_ = 0;
}
