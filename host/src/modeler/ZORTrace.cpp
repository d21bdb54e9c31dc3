#include "ZORTrace.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>

namespace {

struct TraceState {
  std::set<std::string, std::less<>> on;
  std::vector<std::string> written;
};

TraceState& State() {
  static TraceState state = [] {
    TraceState s;
    if (const char* env = std::getenv("ZOR_TRACE")) {
      std::istringstream keys(env);
      for (std::string key; std::getline(keys, key, ',');) {
        if (!key.empty()) s.on.insert(key);
      }
    }
    return s;
  }();
  return state;
}

constexpr std::size_t kMaxWritten = 10000;

}  // namespace

ZORTrace::ZORTrace(const char* key, const char* title, const char* output)
    : key_(key ? key : ""), title_(title ? title : ""), output_(output ? output : "STDERR") {}

void ZORTrace::Print(const std::string& line) const {
  if (!IsActive()) return;
  std::string text = key_ + ": " + line;
  if (output_ == "STDERR") std::fprintf(stderr, "%s\n", text.c_str());
  auto& written = State().written;
  if (written.size() >= kMaxWritten)
    written.erase(written.begin(), written.begin() + kMaxWritten / 2);
  written.push_back(std::move(text));
}

void ZORTrace::SetOn(const std::string& key, bool on) {
  if (on) {
    State().on.insert(key);
  } else {
    State().on.erase(key);
  }
}

bool ZORTrace::IsOn(const std::string& key) {
  return State().on.count(key) > 0;
}

const std::vector<std::string>& ZORTrace::Written() {
  return State().written;
}

void ZORTrace::ClearWritten() {
  State().written.clear();
}
