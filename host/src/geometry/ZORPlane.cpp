#include "ZORPlane.h"

#include <algorithm>
#include <limits>

#include "ZORGeometryText.h"
#include "ZORLine.h"

ZORPlane::ZORPlane(const ZORMathPlane& plane, double u0, double u1, double v0, double v1)
    : plane_(plane), bounded_(true), u0_(u0), u1_(u1), v0_(v0), v1_(v1) {}

bool ZORPlane::GetBounds(double& u0, double& u1, double& v0, double& v1) const {
  if (!bounded_) return false;
  u0 = u0_, u1 = u1_, v0 = v0_, v1 = v1_;
  return true;
}

void ZORPlane::Project(const ZORMathPoint& point, double& u, double& v) const {
  plane_.Project(point, u, v);
  if (!bounded_) return;
  u = std::clamp(u, u0_, u1_);
  v = std::clamp(v, v0_, v1_);
}

std::vector<double> ZORPlane::Intersect(const ZORMathLine& line) const {
  double u = 0.0, v = 0.0;
  if (!plane_.Intersect(line, u, v)) return {};
  if (bounded_ && (u < u0_ || u > u1_ || v < v0_ || v > v1_)) return {};
  return {line.GetParameter(plane_.EvalPoint(u, v))};
}

std::vector<ZORCurve_var> ZORPlane::Boundary() const {
  if (!bounded_) return {};
  const ZORMathPoint corners[4] = {Eval(u0_, v0_), Eval(u1_, v0_), Eval(u1_, v1_), Eval(u0_, v1_)};
  std::vector<ZORCurve_var> edges;
  for (int i = 0; i < 4; ++i) edges.push_back(ZORMake<ZORLine>(corners[i], corners[(i + 1) % 4]));
  return edges;
}

double ZORPlane::GetArea() const {
  return bounded_ ? (u1_ - u0_) * (v1_ - v0_) : std::numeric_limits<double>::infinity();
}

ZORMathPoint ZORPlane::GetCentroid() const {
  return bounded_ ? Eval((u0_ + u1_) / 2.0, (v0_ + v1_) / 2.0) : plane_.GetOrigin();
}

HRESULT ZORPlane::LengthOnSurface(const ZORMathPoint& from, const ZORMathPoint& to,
                                  double tolerance, double& length) const {
  if (!Contains(from, tolerance) || !Contains(to, tolerance)) return E_FAIL;
  // A rectangle is convex: the straight way stays on it.
  length = from.DistanceTo(to);
  return S_OK;
}

std::string ZORPlane::Describe() const {
  const std::string where = ZORGeometryText::Point(plane_.GetOrigin()) +
                            " n=" + ZORGeometryText::Vector(plane_.GetNormal());
  if (!bounded_) return "plane(" + where + ")";
  return "plane-patch(" + where + " " + ZORGeometryText::Number(u1_ - u0_) + "x" +
         ZORGeometryText::Number(v1_ - v0_) + ")";
}
