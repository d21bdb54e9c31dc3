#include "ZOR3DArcCircleGP.h"

#include "ZORString.h"

std::string ZOR3DArcCircleGP::Describe() const {
  return "arc(" + center_.Describe() + " normal=" + normal_.Describe() +
         " start=" + start_.Describe() +
         ZORString::Format(" r=%g angles=%g,%g)", radius_, startAngle_, endAngle_).str();
}
