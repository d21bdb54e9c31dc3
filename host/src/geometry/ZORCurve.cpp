#include "ZORCurve.h"

#include <algorithm>

namespace {

// Parameters this close to an end still read the end: rounding of a caller's arithmetic.
constexpr double kRangeSlack = 1e-12;

}  // namespace

HRESULT ZORCurve::Evaluate(double t, ZORMathPoint& point) const {
  const double slack = kRangeSlack * std::max(1.0, GetEndParam() - GetStartParam());
  if (!(t >= GetStartParam() - slack && t <= GetEndParam() + slack)) return E_INVALIDARG;
  point = Eval(Clamp(t));
  return S_OK;
}

double ZORCurve::Clamp(double t) const {
  return std::clamp(t, GetStartParam(), GetEndParam());
}

bool ZORCurve::Contains(const ZORMathPoint& point, double tolerance) const {
  return Eval(Closest(point)).DistanceTo(point) <= tolerance;
}

double ZORCurve::DrawingTolerance() const {
  const double curvature = Curvature(GetStartParam());
  constexpr double kDrawingChord = 0.01;
  return curvature > 0.0 ? std::min(kDrawingChord, 1.0 / (500.0 * curvature)) : kDrawingChord;
}
