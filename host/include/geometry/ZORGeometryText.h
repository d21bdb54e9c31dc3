#pragma once
// How geometry is written in one-line descriptions: numbers with six significant digits
// ("%g"), negative zero and rounding noise below 1e-12 written as 0, so that the same geometry always reads the same.

#include <string>

#include "ZORMathPoint.h"

class ZORGeometryText {
 public:
  //! "1.5", "-2", "0".
  static std::string Number(double value);
  //! "x,y,z".
  static std::string Point(const ZORMathPoint& point);
  //! "x,y,z" of a vector.
  static std::string Vector(const ZORMathVector& vector);
};
