#include "ZOR3DFixedPlanGP.h"

#include "ZORString.h"

std::string ZOR3DFixedPlanGP::Describe() const {
  return "plan(" + origin_.Describe() + " u=" + first_.Describe() + " v=" + second_.Describe() +
         ZORString::Format(" size=%g)", size_).str();
}
