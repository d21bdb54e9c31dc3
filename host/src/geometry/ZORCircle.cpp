#include "ZORCircle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ZORGeometryText.h"

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

}  // namespace

ZORCircle::ZORCircle(const ZORMathPoint& centre, const ZORMathVector& first,
                     const ZORMathVector& second, double radius, double start, double end)
    : centre_(centre), first_(first), second_(second), radius_(radius), start_(start), end_(end) {}

bool ZORCircle::ThroughThreePoints(const ZORMathPoint& p1, const ZORMathPoint& p2,
                                   const ZORMathPoint& p3, double tolerance,
                                   ZORVar<ZORCircle>& arc) {
  const ZORMathVector a = p1 - p3;
  const ZORMathVector b = p2 - p3;
  const ZORMathVector axb = a.Cross(b);
  const double shortest = std::min({a.Norm(), b.Norm(), (p2 - p1).Norm()});
  // Aligned points: the triangle's height over its longest side is below the tolerance.
  const double longest = std::max({a.Norm(), b.Norm(), (p2 - p1).Norm()});
  if (shortest < tolerance || axb.Norm() < tolerance * longest) return false;
  const double k = 1.0 / (2.0 * axb.Dot(axb));
  const ZORMathPoint centre = p3 + k * (a.Dot(a) * b - b.Dot(b) * a).Cross(axb);
  const ZORMathVector normal = (p2 - p1).Cross(p3 - p2).Normalized();
  const ZORMathVector first = (p1 - centre).Normalized();
  const ZORMathVector second = normal.Cross(first);
  const ZORMathVector r3 = p3 - centre;
  double end = std::atan2(r3.Dot(second), r3.Dot(first));
  if (end <= 0.0) end += kTwoPi;
  arc = ZORMake<ZORCircle>(centre, first, second, (p1 - centre).Norm(), 0.0, end);
  return true;
}

bool ZORCircle::IsFull() const {
  return end_ - start_ >= kTwoPi - 1e-12;
}

ZORMathPoint ZORCircle::Eval(double t) const {
  return centre_ + (radius_ * std::cos(t)) * first_ + (radius_ * std::sin(t)) * second_;
}

ZORMathVector ZORCircle::Tangent(double t) const {
  return (-std::sin(t)) * first_ + std::cos(t) * second_;
}

double ZORCircle::Closest(const ZORMathPoint& point) const {
  const ZORMathVector r = point - centre_;
  const double x = r.Dot(first_), y = r.Dot(second_);
  if (x == 0.0 && y == 0.0) return start_;  // the centre: every point is as near
  double angle = std::atan2(y, x);
  // The same direction within [start, start + 2π).
  angle = start_ + std::fmod(std::fmod(angle - start_, kTwoPi) + kTwoPi, kTwoPi);
  if (angle <= end_) return angle;
  // Outside the arc: the nearer end, by angle (the gap beyond the end against the one before
  // the start).
  return angle - end_ <= start_ + kTwoPi - angle ? end_ : start_;
}

ZORMathPoint ZORCircle::GetCentroid() const {
  const double half = (end_ - start_) / 2.0;
  const double middle = start_ + half;
  return centre_ + (radius_ * std::sin(half) / half) * (Eval(middle) - centre_).Normalized();
}

std::vector<ZORMathPoint> ZORCircle::Tessellate(double tolerance) const {
  // A chord of angle d strays radius·(1 - cos(d/2)) from the arc.
  const double ratio = std::clamp(1.0 - tolerance / radius_, -1.0, 1.0);
  const double step = std::max(2.0 * std::acos(ratio), 1e-4);
  const int count = std::max(1, static_cast<int>(std::ceil((end_ - start_) / step)));
  std::vector<ZORMathPoint> points;
  points.reserve(static_cast<std::size_t>(count) + 1);
  for (int i = 0; i <= count; ++i) points.push_back(Eval(start_ + (end_ - start_) * i / count));
  return points;
}

std::string ZORCircle::Describe() const {
  return "arc(c=" + ZORGeometryText::Point(centre_) + " r=" + ZORGeometryText::Number(radius_) +
         " angle=" + ZORGeometryText::Number((end_ - start_) * 180.0 / std::numbers::pi) + ")";
}

ZORCurve_var ZORCircle::Reversed() const {
  // Angle t of the reversed arc is angle -t of this one.
  return ZORMake<ZORCircle>(centre_, first_, -second_, radius_, -end_, -start_);
}

ZORCurve_var ZORCircle::Restricted(double start, double end) const {
  start = Clamp(start);
  end = Clamp(end);
  if (!(end > start)) return nullptr;
  return ZORMake<ZORCircle>(centre_, first_, second_, radius_, start, end);
}
