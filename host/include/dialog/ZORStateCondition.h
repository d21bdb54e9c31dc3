#pragma once
// Conditions and actions of state-command transitions. Both are shared, immutable objects: one
// condition or action may serve several transitions.

#include <functional>
#include <memory>

class ZORDialogAgent;

// What a condition or action sees: the agent whose valuation started the evaluation (null when
// the evaluation was not started by an agent).
struct ZORTransitionContext {
  ZORDialogAgent* agent = nullptr;
};

class ZORStateCondition {
 public:
  using Test = std::function<bool(const ZORTransitionContext&)>;
  explicit ZORStateCondition(Test test) : test_(std::move(test)) {}
  bool Evaluate(const ZORTransitionContext& context) const { return test_ && test_(context); }

 private:
  Test test_;
};

class ZORStateAction {
 public:
  // Answers whether the state machine goes on to the transition's target.
  using Run = std::function<bool(const ZORTransitionContext&)>;
  explicit ZORStateAction(Run run) : run_(std::move(run)) {}
  bool Execute(const ZORTransitionContext& context) const { return !run_ || run_(context); }

 private:
  Run run_;
};

using ZORCondition = std::shared_ptr<const ZORStateCondition>;
using ZORAction = std::shared_ptr<const ZORStateAction>;

ZORCondition ZORAndCondition(ZORCondition a, ZORCondition b);
ZORCondition ZOROrCondition(ZORCondition a, ZORCondition b);
ZORCondition ZORNotCondition(ZORCondition a);
