#include "ZORDialogState.h"

#include <algorithm>

void ZORDialogState::AddDialogAgent(ZORDialogAgent* agent) {
  if (agent && !Holds(agent)) agents_.push_back(agent);
}

void ZORDialogState::RemoveDialogAgent(ZORDialogAgent* agent) {
  std::erase(agents_, agent);
  if (direction_ == agent) direction_ = nullptr;
}

void ZORDialogState::AddDirectionAgent(ZORDialogAgent* agent) {
  if (!agent) return;
  AddDialogAgent(agent);
  direction_ = agent;
}

bool ZORDialogState::Holds(const ZORDialogAgent* agent) const {
  return std::find(agents_.begin(), agents_.end(), agent) != agents_.end();
}
