#include "ZORMathPlane.h"

#include <cmath>

ZORMathPlane::ZORMathPlane(const ZORMathPoint& origin, const ZORMathVector& first,
                           const ZORMathVector& second)
    : origin_(origin), first_(first.Normalized()) {
  // Gram-Schmidt: keep the plane, make the second direction orthogonal to the first.
  second_ = (second - second.Dot(first_) * first_).Normalized();
}

void ZORMathPlane::Project(const ZORMathPoint& point, double& u, double& v) const {
  const ZORMathVector d = point - origin_;
  u = d.Dot(first_);
  v = d.Dot(second_);
}

bool ZORMathPlane::Intersect(const ZORMathLine& line, double& u, double& v,
                             double tolerance) const {
  const ZORMathVector normal = GetNormal();
  const double along = line.GetDirection().Dot(normal);
  if (std::fabs(along) <= tolerance) return false;
  const double t = (origin_ - line.GetOrigin()).Dot(normal) / along;
  Project(line.EvalPoint(t), u, v);
  return true;
}
