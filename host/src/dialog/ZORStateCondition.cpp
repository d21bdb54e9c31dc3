#include "ZORStateCondition.h"

namespace {

// A missing operand never holds.
bool Holds(const ZORCondition& c, const ZORTransitionContext& context) {
  return c && c->Evaluate(context);
}

}  // namespace

ZORCondition ZORAndCondition(ZORCondition a, ZORCondition b) {
  return std::make_shared<ZORStateCondition>(
      [a, b](const ZORTransitionContext& c) { return Holds(a, c) && Holds(b, c); });
}

ZORCondition ZOROrCondition(ZORCondition a, ZORCondition b) {
  return std::make_shared<ZORStateCondition>(
      [a, b](const ZORTransitionContext& c) { return Holds(a, c) || Holds(b, c); });
}

ZORCondition ZORNotCondition(ZORCondition a) {
  return std::make_shared<ZORStateCondition>(
      [a](const ZORTransitionContext& c) { return !Holds(a, c); });
}
