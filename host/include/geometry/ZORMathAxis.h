#pragma once
// An axis system: an origin and three directions (the absolute one by default).

#include <cmath>
#include <optional>

#include "ZORMathPoint.h"
#include "ZORMathVector.h"

class ZORMathAxis {
 public:
  constexpr ZORMathAxis() = default;
  constexpr ZORMathAxis(const ZORMathPoint& origin, const ZORMathVector& first,
                        const ZORMathVector& second, const ZORMathVector& third)
      : origin_(origin), first_(first), second_(second), third_(third) {}

  constexpr const ZORMathPoint& GetOrigin() const { return origin_; }
  constexpr const ZORMathVector& GetFirstDirection() const { return first_; }
  constexpr const ZORMathVector& GetSecondDirection() const { return second_; }
  constexpr const ZORMathVector& GetThirdDirection() const { return third_; }

  // Coordinates in this system of a point given in absolute coordinates, and back; the
  // directions are taken as they are (orthonormal systems give the usual answer).
  ZORMathPoint ToLocal(const ZORMathPoint& absolute) const {
    const ZORMathVector d = absolute - origin_;
    return {d.Dot(first_), d.Dot(second_), d.Dot(third_)};
  }
  ZORMathPoint ToAbsolute(const ZORMathPoint& local) const {
    return origin_ + (local.GetX() * first_ + local.GetY() * second_ + local.GetZ() * third_);
  }

  // The same for a vector: the origin plays no part.
  constexpr ZORMathVector VectorToLocal(const ZORMathVector& v) const {
    return {v.Dot(first_), v.Dot(second_), v.Dot(third_)};
  }
  constexpr ZORMathVector VectorToAbsolute(const ZORMathVector& v) const {
    return v.GetX() * first_ + v.GetY() * second_ + v.GetZ() * third_;
  }

  // The orthonormal, direct system whose first direction is along `first` and whose second lies
  // in the plane of `first` and `second`, on its side; none when a value is not finite, `first`
  // is null or `second` is (within 1e-9 radians) along it.
  static std::optional<ZORMathAxis> Orthonormal(const ZORMathPoint& origin,
                                                const ZORMathVector& first,
                                                const ZORMathVector& second) {
    const double values[] = {origin.GetX(), origin.GetY(), origin.GetZ(),
                             first.GetX(),  first.GetY(),  first.GetZ(),
                             second.GetX(), second.GetY(), second.GetZ()};
    for (const double v : values) {
      if (!std::isfinite(v)) return std::nullopt;
    }
    const ZORMathVector normal = first.Cross(second);
    if (first.Norm() == 0.0 || !(normal.Norm() > 1e-9 * first.Norm() * second.Norm())) {
      return std::nullopt;
    }
    const ZORMathVector i = first.Normalized();
    const ZORMathVector k = normal.Normalized();
    return ZORMathAxis(origin, i, k.Cross(i), k);
  }

  friend constexpr bool operator==(const ZORMathAxis&, const ZORMathAxis&) = default;

 private:
  ZORMathPoint origin_;
  ZORMathVector first_{1.0, 0.0, 0.0};
  ZORMathVector second_{0.0, 1.0, 0.0};
  ZORMathVector third_{0.0, 0.0, 1.0};
};
