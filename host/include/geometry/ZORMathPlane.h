#pragma once
// A plane: an origin and two directions, made orthonormal. (u, v) are coordinates along them.

#include "ZORMathLine.h"

class ZORMathPlane {
 public:
  ZORMathPlane() = default;
  // `first` and `second` must not be parallel.
  ZORMathPlane(const ZORMathPoint& origin, const ZORMathVector& first, const ZORMathVector& second);

  const ZORMathPoint& GetOrigin() const { return origin_; }
  void SetOrigin(const ZORMathPoint& origin) { origin_ = origin; }
  const ZORMathVector& GetFirstDirection() const { return first_; }
  const ZORMathVector& GetSecondDirection() const { return second_; }
  ZORMathVector GetNormal() const { return first_.Cross(second_); }

  ZORMathPoint EvalPoint(double u, double v) const { return origin_ + u * first_ + v * second_; }
  void Project(const ZORMathPoint& point, double& u, double& v) const;
  // The plane coordinates of the line's crossing point; false when the line is parallel to the
  // plane (within `tolerance` on the sine of their angle).
  bool Intersect(const ZORMathLine& line, double& u, double& v, double tolerance = 1e-9) const;

 private:
  ZORMathPoint origin_;
  ZORMathVector first_{1.0, 0.0, 0.0};
  ZORMathVector second_{0.0, 1.0, 0.0};
};
