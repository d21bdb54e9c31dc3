#pragma once
// A direction of 3D space: a vector of unit length. Built from any vector, it keeps the vector's
// direction (a zero vector gives (1, 0, 0)); negated, it stays a direction.

#include "ZORMathVector.h"

class ZORMathDirection : public ZORMathVector {
 public:
  ZORMathDirection() : ZORMathVector(1.0, 0.0, 0.0) {}
  ZORMathDirection(double x, double y, double z) : ZORMathDirection(ZORMathVector(x, y, z)) {}
  // NOLINTNEXTLINE(google-explicit-constructor): a vector turns into its direction
  ZORMathDirection(const ZORMathVector& v) : ZORMathVector(v.Normalized()) {}

  // Back to unit length after a computation that may have drifted.
  void Normalize() { *this = ZORMathDirection(static_cast<const ZORMathVector&>(*this)); }

  // From the zero vector, so that no component turns into a negative zero.
  friend ZORMathDirection operator-(const ZORMathDirection& d) {
    return ZORMathDirection(ZORMathVector() - d);
  }
};
