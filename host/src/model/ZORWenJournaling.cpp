#include "ZORWenJournaling.h"

namespace {

struct Journal {
  bool active = false;
  bool open = false;
  std::vector<std::string> lines;
};

Journal& TheJournal() {
  static Journal journal;
  return journal;
}

constexpr std::size_t kMaxLines = 10000;

}  // namespace

bool ZORWenJournaling::TstIsJournalActif() {
  return TheJournal().active;
}

void ZORWenJournaling::LogAOuvrir() {
  Journal& j = TheJournal();
  if (j.open) return;
  j.open = true;
  Log("-- journal opened");
}

bool ZORWenJournaling::IsLogOpen() {
  return TheJournal().open;
}

void ZORWenJournaling::Log(const std::string& line) {
  auto& lines = TheJournal().lines;
  if (lines.size() >= kMaxLines) lines.erase(lines.begin(), lines.begin() + kMaxLines / 2);
  lines.push_back(line);
}

void ZORWenJournaling::SetActive(bool active) {
  TheJournal().active = active;
}

const std::vector<std::string>& ZORWenJournaling::Lines() {
  return TheJournal().lines;
}

void ZORWenJournaling::Reset() {
  TheJournal() = Journal();
}
