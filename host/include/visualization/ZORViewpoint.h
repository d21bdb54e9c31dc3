#pragma once
// Where a view looks from: the sight direction (from the eye into the scene) and the screen's
// up direction, both unit; the screen's right direction follows from them.

#include "ZORMathVector.h"

class ZORViewpoint {
 public:
  ZORViewpoint(const ZORMathVector& sight, const ZORMathVector& up)
      : sight_(sight.Normalized()), up_(up.Normalized()) {}

  const ZORMathVector& GetSightDirection() const { return sight_; }
  const ZORMathVector& GetUpDirection() const { return up_; }
  //! The screen's right direction.
  ZORMathVector GetRightDirection() const { return sight_.Cross(up_); }

 private:
  ZORMathVector sight_;
  ZORMathVector up_;
};
