#pragma once
// A point of 3D space.

#include "ZORMathVector.h"

class ZORMathPoint {
 public:
  constexpr ZORMathPoint() = default;
  constexpr ZORMathPoint(double x, double y, double z) : x_(x), y_(y), z_(z) {}

  constexpr double GetX() const { return x_; }
  constexpr double GetY() const { return y_; }
  constexpr double GetZ() const { return z_; }
  constexpr void GetCoord(double& x, double& y, double& z) const {
    x = x_;
    y = y_;
    z = z_;
  }

  double DistanceTo(const ZORMathPoint& other) const { return (other - *this).Norm(); }

  friend constexpr ZORMathVector operator-(const ZORMathPoint& a, const ZORMathPoint& b) {
    return {a.x_ - b.x_, a.y_ - b.y_, a.z_ - b.z_};
  }
  friend constexpr ZORMathPoint operator+(const ZORMathPoint& p, const ZORMathVector& v) {
    return {p.x_ + v.GetX(), p.y_ + v.GetY(), p.z_ + v.GetZ()};
  }
  friend constexpr bool operator==(const ZORMathPoint&, const ZORMathPoint&) = default;

 private:
  double x_ = 0.0, y_ = 0.0, z_ = 0.0;
};
