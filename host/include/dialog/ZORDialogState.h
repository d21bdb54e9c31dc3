#pragma once
// A state of a state command: the agents that wait for input while it is current, and optional
// enter and exit actions. States belong to their command; agents do not belong to states.

#include <vector>

#include "ZORStateCondition.h"
#include "ZORString.h"

class ZORDialogAgent;

class ZORDialogState {
 public:
  explicit ZORDialogState(const ZORString& name) : name_(name) {}

  const ZORString& GetName() const { return name_; }

  void AddDialogAgent(ZORDialogAgent* agent);
  void RemoveDialogAgent(ZORDialogAgent* agent);
  const std::vector<ZORDialogAgent*>& GetAgents() const { return agents_; }
  bool Holds(const ZORDialogAgent* agent) const;
  // Adds `agent` as the state's direction agent: the one that stands for a direction frame of
  // the panel, which the state may value as it is entered. Replaces the previous one.
  void AddDirectionAgent(ZORDialogAgent* agent);
  // The direction agent; null when none was added or it was removed.
  ZORDialogAgent* GetDirectionAgent() const { return direction_; }

  void SetEnterAction(ZORAction action) { enter_ = std::move(action); }
  void SetLeaveAction(ZORAction action) { leave_ = std::move(action); }
  const ZORAction& GetEnterAction() const { return enter_; }
  const ZORAction& GetLeaveAction() const { return leave_; }

 private:
  ZORString name_;
  std::vector<ZORDialogAgent*> agents_;  // not owned
  ZORDialogAgent* direction_ = nullptr;  // one of agents_
  ZORAction enter_;
  ZORAction leave_;
};
