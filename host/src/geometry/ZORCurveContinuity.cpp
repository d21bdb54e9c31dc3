#include "ZORCurveContinuity.h"

#include <cmath>
#include <numbers>

ZORCurveContinuity::ZORCurveContinuity(const ZORCurve& a, const ZORCurve& b,
                                       const Tolerances& tolerances) {
  // The pair of ends nearest each other: `atEndA` when a meets b by its end, `atStartB` when b
  // leaves by its start.
  gap_ = -1.0;
  bool atEndA = true, atStartB = true;
  for (bool endA : {true, false}) {
    for (bool startB : {true, false}) {
      const ZORMathPoint pa = endA ? a.EndPoint() : a.StartPoint();
      const ZORMathPoint pb = startB ? b.StartPoint() : b.EndPoint();
      const double d = pa.DistanceTo(pb);
      if (gap_ < 0.0 || d < gap_) gap_ = d, atEndA = endA, atStartB = startB;
    }
  }
  const double ta = atEndA ? a.GetEndParam() : a.GetStartParam();
  const double tb = atStartB ? b.GetStartParam() : b.GetEndParam();
  const ZORMathVector in = atEndA ? a.Tangent(ta) : -a.Tangent(ta);
  const ZORMathVector out = atStartB ? b.Tangent(tb) : -b.Tangent(tb);
  angle_ = std::atan2(in.Cross(out).Norm(), in.Dot(out)) * 180.0 / std::numbers::pi;
  curvature_ = std::abs(a.Curvature(ta) - b.Curvature(tb));
  if (gap_ > tolerances.gap) {
    type_ = kGap;
  } else if (angle_ > tolerances.angle) {
    type_ = kPoint;
  } else if (curvature_ > tolerances.curvature) {
    type_ = kTangent;
  } else {
    type_ = kCurvature;
  }
}

double ZORCurveContinuity::GetValue() const {
  switch (type_) {
    case kGap:
      return gap_;
    case kPoint:
      return angle_;
    default:
      return curvature_;
  }
}
