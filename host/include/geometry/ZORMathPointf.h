#pragma once
// A point of 3D space in single precision: where primitives and flags are drawn.

#include <string>

#include "ZORMathPoint.h"
#include "ZORString.h"

class ZORMathPointf {
 public:
  constexpr ZORMathPointf() = default;
  constexpr ZORMathPointf(float x, float y, float z) : x_(x), y_(y), z_(z) {}
  explicit constexpr ZORMathPointf(const ZORMathPoint& p)
      : x_(static_cast<float>(p.GetX())),
        y_(static_cast<float>(p.GetY())),
        z_(static_cast<float>(p.GetZ())) {}

  constexpr float GetX() const { return x_; }
  constexpr float GetY() const { return y_; }
  constexpr float GetZ() const { return z_; }
  constexpr ZORMathPoint ToDouble() const { return {x_, y_, z_}; }

  // "x,y,z" with %g.
  std::string Describe() const { return ZORString::Format("%g,%g,%g", x_, y_, z_).str(); }

  friend constexpr bool operator==(const ZORMathPointf&, const ZORMathPointf&) = default;

 private:
  float x_ = 0.0f, y_ = 0.0f, z_ = 0.0f;
};
