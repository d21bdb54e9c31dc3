#include "ZORStateCommand.h"

#include <algorithm>

#include "ZORDialogAgent.h"
#include "ZORGuiCommandStack.h"
#include "ZORNotifyCancel.h"

ZORStateCommand::ZORStateCommand(const ZORString& name, ZORCommandMode mode)
    : ZORDialogAgent(name), mode_(mode) {}

ZORStateCommand::~ZORStateCommand() {
  for (ZORDialogAgent* agent : agents_) agent->SetOwner(nullptr);
}

ZORDialogState* ZORStateCommand::GetInitialState(const ZORString& name) {
  if (!initial_) initial_ = AddDialogState(name);
  return initial_;
}

ZORDialogState* ZORStateCommand::AddDialogState(const ZORString& name) {
  states_.push_back(std::make_unique<ZORDialogState>(name));
  return states_.back().get();
}

void ZORStateCommand::AddAgent(ZORDialogState* state, ZORDialogAgent* agent) {
  if (!state || !agent) return;
  state->AddDialogAgent(agent);
  if (agent->GetOwner() != this) {
    agent->SetOwner(this);
    agents_.push_back(agent);
  }
  if (!agent->GetFather()) agent->SetFather(this);
}

ZORDialogTransition* ZORStateCommand::AddTransition(ZORDialogState* from, ZORDialogState* to,
                                                    ZORCondition condition, ZORAction action,
                                                    ZORCondition filter) {
  if (!from) return nullptr;
  transitions_.push_back(std::make_unique<ZORDialogTransition>(
      ZORDialogTransition{from, to, std::move(condition), std::move(action), std::move(filter)}));
  return transitions_.back().get();
}

ZORCondition ZORStateCommand::IsOutputSetCondition(ZORDialogAgent* agent) {
  return std::make_shared<ZORStateCondition>(
      [agent](const ZORTransitionContext&) { return agent && agent->IsOutputSet(); });
}

void ZORStateCommand::EnterInitialState() {
  if (initial_) Enter(initial_);
}

bool ZORStateCommand::EnterFirstStateAction(ZORCallbackData) {
  return true;
}

void ZORStateCommand::Enter(ZORDialogState* state) {
  current_ = state;
  Rearm(state);
  // A copy: an agent valued at its activation may move the command on.
  const std::vector<ZORDialogAgent*> agents = state->GetAgents();
  for (ZORDialogAgent* agent : agents) {
    if (current_ == state) agent->Activate(this, nullptr);
  }
  if (current_ != state) return;
  valuedOnEntry_ = nullptr;
  for (ZORDialogAgent* agent : agents) {
    if (!valuedOnEntry_ && agent->IsOutputSet()) valuedOnEntry_ = agent;
  }
  if (state == initial_) EnterFirstStateAction(nullptr);
  if (state->GetEnterAction()) state->GetEnterAction()->Execute({});
}

ZORDialogAgent* ZORStateCommand::TakeValuedOnEntry() {
  ZORDialogAgent* agent = valuedOnEntry_;
  valuedOnEntry_ = nullptr;
  return agent && current_ && current_->Holds(agent) && agent->IsOutputSet() ? agent : nullptr;
}

void ZORStateCommand::Rearm(ZORDialogState* state) {
  if (!state) return;
  for (ZORDialogAgent* agent : state->GetAgents()) agent->InitializeAcquisition();
}

void ZORStateCommand::AgentValuated(ZORDialogAgent* agent) {
  // A valuation made by an action while a transition runs waits for the next input.
  if (evaluating_ || !current_ || !current_->Holds(agent)) return;
  evaluating_ = true;
  // A state entered by the transition whose agent took a default value at once moves on too;
  // a bounded walk, so that agents valued at every entry of a loop cannot hold the command.
  valuedOnEntry_ = nullptr;
  bool moved = TryTransitions({agent});
  for (std::size_t walked = 0; moved && walked < transitions_.size(); ++walked) {
    ZORDialogAgent* ready = TakeValuedOnEntry();
    moved = ready && TryTransitions({ready});
  }
  evaluating_ = false;
}

bool ZORStateCommand::TryTransitions(const ZORTransitionContext& context) {
  ZORDialogState* from = current_;
  // By index: an action may add transitions.
  for (std::size_t i = 0; i < transitions_.size(); ++i) {
    const ZORDialogTransition* t = transitions_[i].get();
    if (t->from != from) continue;
    if (t->filter && !t->filter->Evaluate(context)) continue;
    if (!t->condition || !t->condition->Evaluate(context)) continue;
    if (from->GetLeaveAction()) from->GetLeaveAction()->Execute(context);
    if (t->action && !t->action->Execute(context)) return true;  // the action held the state
    Rearm(from);
    if (!t->to) {
      current_ = nullptr;
      OnEndReached();
      return true;
    }
    Enter(t->to);
    return true;
  }
  return false;
}

void ZORStateCommand::ForgetAgent(ZORDialogAgent* agent) {
  std::erase(agents_, agent);
  for (const auto& state : states_) state->RemoveDialogAgent(agent);
}

int ZORStateCommand::Activate(ZORCommand*, ZORNotification*) {
  active_ = true;
  return 0;
}

int ZORStateCommand::Desactivate(ZORCommand*, ZORNotification*) {
  active_ = false;
  return 0;
}

int ZORStateCommand::Cancel(ZORCommand*, ZORNotification*) {
  active_ = false;
  return 0;
}

bool ZORStateCommand::AnalyseNotification(ZORCommand* sender, ZORNotification* notification) {
  if (sender == this && notification->IsAKindOf(ZORNotifyCancel::ClassName())) {
    ZORGuiCommandStack::Instance()->CancelCommand(this);
    return true;
  }
  if (!active_ || !current_) return false;
  // Copy: an agent's valuation may change the current state and its agents.
  const std::vector<ZORDialogAgent*> agents = current_->GetAgents();
  for (ZORDialogAgent* agent : agents) {
    if (agent->Accept(sender, notification)) return true;
  }
  return false;
}

void ZORStateCommand::OnEndReached() {
  ZORGuiCommandStack::Instance()->CompleteCommand(this);
}
