#pragma once
// A vector of 3D space in single precision, as the visualization stores it.

#include <string>

#include "ZORMathVector.h"
#include "ZORString.h"

class ZORMathVectorf {
 public:
  constexpr ZORMathVectorf() = default;
  constexpr ZORMathVectorf(float x, float y, float z) : x_(x), y_(y), z_(z) {}
  explicit constexpr ZORMathVectorf(const ZORMathVector& v)
      : x_(static_cast<float>(v.GetX())),
        y_(static_cast<float>(v.GetY())),
        z_(static_cast<float>(v.GetZ())) {}

  constexpr float GetX() const { return x_; }
  constexpr float GetY() const { return y_; }
  constexpr float GetZ() const { return z_; }
  constexpr ZORMathVector ToDouble() const { return {x_, y_, z_}; }

  // "x,y,z" with %g.
  std::string Describe() const { return ZORString::Format("%g,%g,%g", x_, y_, z_).str(); }

  friend constexpr bool operator==(const ZORMathVectorf&, const ZORMathVectorf&) = default;

 private:
  float x_ = 0.0f, y_ = 0.0f, z_ = 0.0f;
};
