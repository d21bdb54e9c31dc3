#include "ZORDialogAgent.h"

#include "ZORStateCommand.h"

ZORDialogAgent::ZORDialogAgent(const ZORString& name, int behavior)
    : ZORCommand(nullptr, name), behavior_(behavior) {}

ZORDialogAgent::~ZORDialogAgent() {
  if (owner_) owner_->ForgetAgent(this);
}

void ZORDialogAgent::AcceptOnNotify(ZORCommand* sender, ZORNotification* notification) {
  if (notification) triggers_.push_back({sender, notification, std::string()});
}

void ZORDialogAgent::AcceptOnNotify(ZORCommand* sender, const char* notificationClass) {
  if (notificationClass && *notificationClass) {
    triggers_.push_back({sender, nullptr, notificationClass});
  }
}

void ZORDialogAgent::InitializeAcquisition() {
  outputSet_ = false;
  value_ = nullptr;
  notification_ = nullptr;
}

bool ZORDialogAgent::TryValue(ZORBaseUnknown* value) {
  if (!PassesFilter()) return false;
  Valuate(value, nullptr);
  return true;
}

void ZORDialogAgent::SetValue(ZORBaseUnknown* value) {
  Valuate(value, nullptr);
}

void ZORDialogAgent::SetValuation() {
  if (!outputSet_) Valuate(value_.get(), notification_.get());
}

void ZORDialogAgent::SetFilter(Filter filter, ZORCallbackData data) {
  filter_ = std::move(filter);
  filterData_ = data;
}

bool ZORDialogAgent::Accept(ZORCommand* sender, ZORNotification* notification) {
  if (!notification) return false;
  for (const Trigger& t : triggers_) {
    if (t.sender && t.sender != sender) continue;
    const bool matches = t.instance ? t.instance == notification
                                    : notification->IsAKindOf(t.notificationClass.c_str());
    if (!matches) continue;
    if (!PassesFilter()) return false;
    ZORBaseUnknown* sent = notification->GetSentObject();
    Valuate(sent ? sent : notification, notification);
    return true;
  }
  return false;
}

bool ZORDialogAgent::AnalyseNotification(ZORCommand* sender, ZORNotification* notification) {
  return Accept(sender, notification);
}

void ZORDialogAgent::Valuate(ZORBaseUnknown* value, ZORNotification* notification) {
  value_ = value;
  notification_ = notification;
  outputSet_ = true;
  if (owner_) owner_->AgentValuated(this);
}
