#pragma once
// An infinite line: an origin and a unit direction. Parameters along it are lengths from the
// origin.

#include "ZORMathPoint.h"

class ZORMathLine {
 public:
  ZORMathLine() = default;
  ZORMathLine(const ZORMathPoint& origin, const ZORMathVector& direction)
      : origin_(origin), direction_(direction.Normalized()) {}

  const ZORMathPoint& GetOrigin() const { return origin_; }
  const ZORMathVector& GetDirection() const { return direction_; }
  ZORMathPoint EvalPoint(double parameter) const { return origin_ + parameter * direction_; }
  double GetParameter(const ZORMathPoint& point) const { return (point - origin_).Dot(direction_); }
  ZORMathPoint Project(const ZORMathPoint& point) const { return EvalPoint(GetParameter(point)); }

 private:
  ZORMathPoint origin_;
  ZORMathVector direction_{1.0, 0.0, 0.0};
};
