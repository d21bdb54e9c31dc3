#include "ZORCylinder.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ZORCircle.h"
#include "ZORGeometryText.h"
#include "ZORLine.h"

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Crossings this close to the patch's border still count: rounding of the crossing itself.
constexpr double kBorderSlack = 1e-9;

}  // namespace

ZORCylinder::ZORCylinder(const ZORMathPoint& start, const ZORMathPoint& end,
                         const ZORMathVector& reference, double radius, double angle0,
                         double angle1)
    : start_(start),
      axis_((end - start).Normalized()),
      height_(start.DistanceTo(end)),
      radius_(radius),
      angle0_(angle0),
      angle1_(angle1) {
  x_ = (reference - reference.Dot(axis_) * axis_).Normalized();
  y_ = axis_.Cross(x_);
}

bool ZORCylinder::IsFull() const {
  return angle1_ - angle0_ >= kTwoPi - 1e-12;
}

ZORMathPoint ZORCylinder::Eval(double u, double v) const {
  return start_ + v * axis_ + (radius_ * std::cos(u)) * x_ + (radius_ * std::sin(u)) * y_;
}

double ZORCylinder::AngleOf(const ZORMathPoint& point) const {
  const ZORMathVector r = point - start_;
  const double x = r.Dot(x_), y = r.Dot(y_);
  if (x == 0.0 && y == 0.0) return angle0_;  // on the axis: every angle is as near
  const double angle = std::atan2(y, x);
  return angle0_ + std::fmod(std::fmod(angle - angle0_, kTwoPi) + kTwoPi, kTwoPi);
}

ZORMathVector ZORCylinder::Normal(const ZORMathPoint& point) const {
  double u = 0.0, v = 0.0;
  Project(point, u, v);
  return std::cos(u) * x_ + std::sin(u) * y_;
}

void ZORCylinder::Project(const ZORMathPoint& point, double& u, double& v) const {
  v = std::clamp((point - start_).Dot(axis_), 0.0, height_);
  u = AngleOf(point);
  if (InAngles(u)) return;
  u = u - angle1_ <= angle0_ + kTwoPi - u ? angle1_ : angle0_;
}

std::vector<double> ZORCylinder::Intersect(const ZORMathLine& line) const {
  // |w + t·d⊥|² = R², w and d⊥ the parts of the line's origin and direction across the axis.
  const ZORMathVector d = line.GetDirection();
  const ZORMathVector dAcross = d - d.Dot(axis_) * axis_;
  const ZORMathVector o = line.GetOrigin() - start_;
  const ZORMathVector w = o - o.Dot(axis_) * axis_;
  const double a = dAcross.Dot(dAcross);
  if (a < 1e-18) return {};  // along the axis: no crossing of the side
  const double b = w.Dot(dAcross);
  const double c = w.Dot(w) - radius_ * radius_;
  const double discriminant = b * b - a * c;
  if (discriminant < 0.0) return {};
  const double root = std::sqrt(discriminant);
  std::vector<double> hits;
  for (double t : {(-b - root) / a, (-b + root) / a}) {
    const ZORMathPoint p = line.EvalPoint(t);
    const double v = (p - start_).Dot(axis_);
    const double slack = kBorderSlack * std::max(1.0, height_);
    if (v < -slack || v > height_ + slack || !InAngles(AngleOf(p))) continue;
    if (hits.empty() || t != hits.back()) hits.push_back(t);
  }
  return hits;
}

std::vector<ZORCurve_var> ZORCylinder::Boundary() const {
  const ZORMathPoint top = start_ + height_ * axis_;
  std::vector<ZORCurve_var> edges = {ZORMake<ZORCircle>(start_, x_, y_, radius_, angle0_, angle1_),
                                     ZORMake<ZORCircle>(top, x_, y_, radius_, angle0_, angle1_),
                                     ZORMake<ZORLine>(Eval(angle0_, 0.0), Eval(angle0_, height_))};
  // A full patch closes on its seam: one ruling only.
  if (!IsFull()) edges.push_back(ZORMake<ZORLine>(Eval(angle1_, 0.0), Eval(angle1_, height_)));
  return edges;
}

double ZORCylinder::GetArea() const {
  return radius_ * (angle1_ - angle0_) * height_;
}

ZORMathPoint ZORCylinder::GetCentroid() const {
  const double half = (angle1_ - angle0_) / 2.0;
  const double middle = angle0_ + half;
  const double distance = radius_ * std::sin(half) / half;
  return start_ + (height_ / 2.0) * axis_ +
         distance * (std::cos(middle) * x_ + std::sin(middle) * y_);
}

HRESULT ZORCylinder::LengthOnSurface(const ZORMathPoint& from, const ZORMathPoint& to,
                                     double tolerance, double& length) const {
  if (!Contains(from, tolerance) || !Contains(to, tolerance)) return E_FAIL;
  double ua = 0.0, va = 0.0, ub = 0.0, vb = 0.0;
  Project(from, ua, va);
  Project(to, ub, vb);
  double turn = std::abs(ub - ua);
  // All around, the way back over the seam may be shorter.
  if (IsFull()) turn = std::min(turn, kTwoPi - turn);
  // Unrolled, the patch is a rectangle and the way a straight line.
  length = std::hypot(radius_ * turn, vb - va);
  return S_OK;
}

std::string ZORCylinder::Describe() const {
  return "cylinder(" + ZORGeometryText::Point(start_) + " axis=" + ZORGeometryText::Vector(axis_) +
         " r=" + ZORGeometryText::Number(radius_) + " h=" + ZORGeometryText::Number(height_) +
         " angle=" + ZORGeometryText::Number((angle1_ - angle0_) * 180.0 / std::numbers::pi) + ")";
}
