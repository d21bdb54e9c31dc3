#include "ZORLaw.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ZORError.h"
#include "ZORProtectedSection.h"

namespace {

bool Finite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Second derivatives of the natural cubic spline through `p` (zero at both ends), by the
// tridiagonal sweep.
std::vector<double> NaturalSplineSeconds(const std::vector<std::pair<double, double>>& p) {
  const std::size_t n = p.size();
  std::vector<double> m(n, 0.0);
  if (n < 3) return m;
  std::vector<double> diag(n, 0.0), rhs(n, 0.0), upper(n, 0.0);
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const double h0 = p[i].first - p[i - 1].first;
    const double h1 = p[i + 1].first - p[i].first;
    diag[i] = 2.0 * (h0 + h1);
    upper[i] = h1;
    rhs[i] = 6.0 * ((p[i + 1].second - p[i].second) / h1 - (p[i].second - p[i - 1].second) / h0);
  }
  for (std::size_t i = 2; i + 1 < n; ++i) {
    const double lower = p[i].first - p[i - 1].first;
    const double factor = lower / diag[i - 1];
    diag[i] -= factor * upper[i - 1];
    rhs[i] -= factor * rhs[i - 1];
  }
  for (std::size_t i = n - 2; i >= 1; --i) {
    m[i] = (rhs[i] - upper[i] * m[i + 1]) / diag[i];
  }
  return m;
}

// The first point after `t`.
std::vector<std::pair<double, double>>::const_iterator NextPoint(
    const std::vector<std::pair<double, double>>& points, double t) {
  return std::upper_bound(points.begin(), points.end(), t,
                          [](double at, const auto& point) { return at < point.first; });
}

}  // namespace

ZORLaw_var ZORLaw::MakeConstant(double a) {
  if (!Finite({a})) return nullptr;
  ZORLaw_var law = ZORLaw_var::Adopt(new ZORLaw());
  law->kind_ = Kind::kConstant;
  law->a_ = law->b_ = a;
  return law;
}

ZORLaw_var ZORLaw::MakeLinear(double a, double b) {
  if (!Finite({a, b})) return nullptr;
  ZORLaw_var law = ZORLaw_var::Adopt(new ZORLaw());
  law->kind_ = Kind::kLinear;
  law->a_ = a;
  law->b_ = b;
  return law;
}

ZORLaw_var ZORLaw::MakeSType(double a, double b) {
  ZORLaw_var law = MakeLinear(a, b);
  if (law) law->kind_ = Kind::kSType;
  return law;
}

ZORLaw_var ZORLaw::MakeSine(double offset, double amplitude, double periods) {
  if (!Finite({offset, amplitude, periods})) return nullptr;
  ZORLaw_var law = ZORLaw_var::Adopt(new ZORLaw());
  law->kind_ = Kind::kSine;
  law->a_ = offset;
  law->b_ = amplitude;
  law->c_ = periods;
  return law;
}

ZORLaw_var ZORLaw::MakeImplicit(std::vector<std::pair<double, double>> points,
                                Interpolation interpolation) {
  if (points.size() < 2) return nullptr;
  std::sort(points.begin(), points.end());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const auto [t, v] = points[i];
    if (!Finite({t, v}) || t < 0.0 || t > 1.0) return nullptr;
    if (i > 0 && t == points[i - 1].first) return nullptr;
  }
  ZORLaw_var law = ZORLaw_var::Adopt(new ZORLaw());
  law->kind_ = Kind::kImplicit;
  law->interpolation_ = interpolation;
  law->points_ = std::move(points);
  if (interpolation == Interpolation::kCubic) law->second_ = NaturalSplineSeconds(law->points_);
  return law;
}

ZORLaw_var ZORLaw::MakeInverted(const ZORLaw_var& law) {
  if (!law) return nullptr;
  ZORLaw_var copy = ZORLaw_var::Adopt(new ZORLaw(*law));
  copy->inverted_ = !law->inverted_;
  return copy;
}

double ZORLaw::Evaluate(double t) const {
  t = std::clamp(t, 0.0, 1.0);
  return EvaluateForward(inverted_ ? 1.0 - t : t);
}

double ZORLaw::EvaluateForward(double t) const {
  switch (kind_) {
    case Kind::kConstant:
      return a_;
    case Kind::kLinear:
      // Written so that both ends come out exactly.
      return (1.0 - t) * a_ + t * b_;
    case Kind::kSType:
      return a_ + (b_ - a_) * (3.0 * t * t - 2.0 * t * t * t);
    case Kind::kSine:
      return a_ + b_ * std::sin(2.0 * std::numbers::pi * c_ * t);
    case Kind::kImplicit:
      break;
  }
  // Before the first point and after the last the law keeps the end values.
  if (t <= points_.front().first) return points_.front().second;
  if (t >= points_.back().first) return points_.back().second;
  if (interpolation_ == Interpolation::kCubic) return Spline(t);
  const auto next = NextPoint(points_, t);
  const auto& [t1, v1] = *next;
  const auto& [t0, v0] = *(next - 1);
  const double u = (t - t0) / (t1 - t0);
  return (1.0 - u) * v0 + u * v1;
}

double ZORLaw::Spline(double t) const {
  const auto next = NextPoint(points_, t);
  const std::size_t i = static_cast<std::size_t>(next - points_.begin());
  const auto& [t0, v0] = points_[i - 1];
  const auto& [t1, v1] = points_[i];
  const double h = t1 - t0;
  const double a = (t1 - t) / h;
  const double b = (t - t0) / h;
  return a * v0 + b * v1 +
         ((a * a * a - a) * second_[i - 1] + (b * b * b - b) * second_[i]) * h * h / 6.0;
}

bool ZORLaw::HasKnownExtremes() const {
  return kind_ != Kind::kSine &&
         !(kind_ == Kind::kImplicit && interpolation_ == Interpolation::kCubic);
}

void ZORLaw::GetExtremeValues(double& minimum, double& maximum) const {
  if (!HasKnownExtremes()) {
    auto* error = new ZORError();
    error->SetNLSRequest("The extreme values of the law are not known.");
    error->Setup(__FILE__, __LINE__);
    ZORRaise(error);
  }
  if (kind_ == Kind::kImplicit) {
    const auto [low, high] =
        std::minmax_element(points_.begin(), points_.end(),
                            [](const auto& p, const auto& q) { return p.second < q.second; });
    minimum = low->second;
    maximum = high->second;
    return;
  }
  minimum = std::min(a_, b_);
  maximum = std::max(a_, b_);
}
