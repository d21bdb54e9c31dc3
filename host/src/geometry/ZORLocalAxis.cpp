#include "ZORLocalAxis.h"

#include <cmath>

ZORVar<ZORLocalAxis> ZORLocalAxis::Make(const ZORMathAxis& system, int index) {
  const ZORMathVector* directions[] = {&system.GetFirstDirection(), &system.GetSecondDirection(),
                                       &system.GetThirdDirection()};
  if (index < 1 || index > 3) return nullptr;
  const ZORMathVector& direction = *directions[index - 1];
  const double norm = direction.Norm();
  if (!std::isfinite(norm) || norm == 0.0) return nullptr;
  return ZORVar<ZORLocalAxis>::Adopt(
      new ZORLocalAxis(index, ZORMathLine(system.GetOrigin(), direction)));
}
