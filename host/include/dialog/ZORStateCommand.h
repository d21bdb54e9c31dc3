#pragma once
// A command driven by a state machine: states holding agents, joined by transitions with
// conditions (and, or, not), actions and optional filters. When an agent of the current state is
// valued, the transitions leaving the current state are tried in the order they were added; the
// first that holds fires. After a transition the agents of both states are re-armed.

#include <memory>
#include <vector>

#include "ZORDialogAgent.h"
#include "ZORDialogState.h"
#include "ZORDialogTransition.h"
#include "ZORVar.h"

// A state command is itself a dialog agent: commands look up their resources as agents do.
class ZORStateCommand : public ZORDialogAgent {
  ZOR_DECLARE_CLASS(ZORStateCommand, ZORDialogAgent, ZORMetaObject::Implementation, "System")

  explicit ZORStateCommand(const ZORString& name = ZORString(), ZORCommandMode mode = 0);
  ~ZORStateCommand() override;

  ZORCommandMode GetMode() const { return mode_; }

  // Builds states, agents and transitions; the host calls it once, when the command starts.
  virtual void BuildGraph() {}

  // The initial state, created on first call under `name`.
  ZORDialogState* GetInitialState(const ZORString& name);
  ZORDialogState* AddDialogState(const ZORString& name);
  ZORDialogState* GetCurrentState() const { return current_; }
  const std::vector<std::unique_ptr<ZORDialogState>>& GetStates() const { return states_; }

  // Adds `agent` to `state`; the agent belongs to this command from then on for valuation.
  void AddAgent(ZORDialogState* state, ZORDialogAgent* agent);

  ZORDialogTransition* AddTransition(ZORDialogState* from, ZORDialogState* to,
                                     ZORCondition condition, ZORAction action = nullptr,
                                     ZORCondition filter = nullptr);

  // Condition: the agent is valued.
  static ZORCondition IsOutputSetCondition(ZORDialogAgent* agent);
  // Conditions and actions from member functions of the concrete command.
  template <class C>
  ZORCondition Condition(bool (C::*method)(ZORCallbackData), ZORCallbackData data) {
    C* self = static_cast<C*>(this);
    return std::make_shared<ZORStateCondition>(
        [self, method, data](const ZORTransitionContext&) { return (self->*method)(data); });
  }
  template <class C>
  ZORCondition Condition(bool (C::*method)(ZORDialogAgent*, ZORCallbackData),
                         ZORCallbackData data) {
    C* self = static_cast<C*>(this);
    return std::make_shared<ZORStateCondition>([self, method, data](const ZORTransitionContext& c) {
      return (self->*method)(c.agent, data);
    });
  }
  // A condition carried by another object (the tests a command shares among its transitions),
  // called with `data`; the object must outlive the transition.
  template <class T>
  static ZORCondition Condition(T* object, bool (T::*method)(ZORCallbackData),
                                ZORCallbackData data) {
    return std::make_shared<ZORStateCondition>(
        [object, method, data](const ZORTransitionContext&) { return (object->*method)(data); });
  }
  template <class C>
  ZORAction Action(bool (C::*method)(ZORCallbackData), ZORCallbackData data) {
    C* self = static_cast<C*>(this);
    return std::make_shared<ZORStateAction>(
        [self, method, data](const ZORTransitionContext&) { return (self->*method)(data); });
  }

  // Enters the initial state (the host does it right after the first activation). Entering
  // the first state runs EnterFirstStateAction each time.
  void EnterInitialState();
  virtual bool EnterFirstStateAction(ZORCallbackData data);

  // Called by an agent of this command when it is valued.
  void AgentValuated(ZORDialogAgent* agent);
  // Called by an agent that goes away.
  void ForgetAgent(ZORDialogAgent* agent);

  // Asks the host to undo this command's model changes when the command ends.
  void ExecuteUndoAtEnd() { undoAtEnd_ = true; }
  bool IsUndoAtEndRequested() const { return undoAtEnd_; }

  // The object this command works on, as the command stack lists it (null: none).
  virtual ZORBaseUnknown_var GetStackObject() { return nullptr; }

  // Whether the command runs (activated and not deactivated by a command over it).
  bool IsActive() const { return active_; }
  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  int Desactivate(ZORCommand* caller, ZORNotification* notification) override;
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;

 protected:
  bool AnalyseNotification(ZORCommand* sender, ZORNotification* notification) override;
  // The state machine reached the end (a transition to no state).
  virtual void OnEndReached();

 private:
  friend class ZORGuiCommandStack;  // marks a command ended
  bool TryTransitions(const ZORTransitionContext& context);
  // Makes `state` current: its agents are re-armed, then activated (an agent may value itself
  // as it is activated, with a default input).
  void Enter(ZORDialogState* state);
  // The first agent of the current state valued as the state was entered, taken once; null
  // when none.
  ZORDialogAgent* TakeValuedOnEntry();
  static void Rearm(ZORDialogState* state);

  ZORCommandMode mode_;
  std::vector<std::unique_ptr<ZORDialogState>> states_;
  std::vector<std::unique_ptr<ZORDialogTransition>> transitions_;
  ZORDialogState* initial_ = nullptr;
  ZORDialogState* current_ = nullptr;
  std::vector<ZORDialogAgent*> agents_;  // not owned; each tells us when it goes
  bool undoAtEnd_ = false;
  bool active_ = false;
  bool evaluating_ = false;
  ZORDialogAgent* valuedOnEntry_ = nullptr;  // an agent of current_, valued as it was entered
};
