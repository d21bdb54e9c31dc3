#include "ZORWENSettings.h"

#include <algorithm>

namespace {

struct SettingsState {
  ZORWENSettings settings;
  bool available = true;
};

SettingsState& State() {
  static SettingsState state;
  return state;
}

}  // namespace

ZORWENSettings* ZORWENSettings::GetWENSettings() {
  SettingsState& s = State();
  return s.available ? &s.settings : nullptr;
}

void ZORWENSettings::SetAvailable(bool available) {
  State().available = available;
}

void ZORWENSettings::ResetToDefaults() {
  // Subscription ids stay unique across resets: a subscriber that outlived a reset and
  // unsubscribes then must not take a newer subscriber's callback away.
  ZORWENSettings& settings = State().settings;
  const CallbackId nextId = settings.nextId_;
  settings = ZORWENSettings();
  settings.nextId_ = nextId;
}

void ZORWENSettings::SetWorkOnSupportSnap(bool on) {
  if (snap_ == on) return;
  snap_ = on;
  Fire(WorkOnSupportMode());
}

HRESULT ZORWENSettings::GetInfoTMDeviation(ZORSettingInfo* info) const {
  if (!info) return E_FAIL;
  *info = tmDeviationInfo_;
  return S_OK;
}

ZORWENSettings::CallbackId ZORWENSettings::AddCallback(const std::string& event,
                                                       Callback callback) {
  if (!callback) return 0;
  const CallbackId id = nextId_++;
  subscriptions_.push_back({id, event, std::move(callback)});
  return id;
}

void ZORWENSettings::RemoveCallback(CallbackId id) {
  std::erase_if(subscriptions_, [id](const Subscription& s) { return s.id == id; });
}

int ZORWENSettings::GetNumberOfCallbacks(const std::string& event) const {
  return static_cast<int>(std::count_if(subscriptions_.begin(), subscriptions_.end(),
                                        [&](const Subscription& s) { return s.event == event; }));
}

void ZORWENSettings::Fire(const std::string& event) {
  // Callbacks may subscribe or unsubscribe: collect first, then call each one still present.
  std::vector<CallbackId> matching;
  for (const Subscription& s : subscriptions_) {
    if (s.event == event) matching.push_back(s.id);
  }
  for (CallbackId id : matching) {
    auto it = std::find_if(subscriptions_.begin(), subscriptions_.end(),
                           [id](const Subscription& s) { return s.id == id; });
    if (it == subscriptions_.end()) continue;
    Callback callback = it->callback;
    callback();
  }
}
