#pragma once
// An axis system: an origin and three directions (the absolute one by default).

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

  friend constexpr bool operator==(const ZORMathAxis&, const ZORMathAxis&) = default;

 private:
  ZORMathPoint origin_;
  ZORMathVector first_{1.0, 0.0, 0.0};
  ZORMathVector second_{0.0, 1.0, 0.0};
  ZORMathVector third_{0.0, 0.0, 1.0};
};
