#pragma once
// A vector of 3D space.

#include <cmath>

class ZORMathVector {
 public:
  constexpr ZORMathVector() = default;
  constexpr ZORMathVector(double x, double y, double z) : x_(x), y_(y), z_(z) {}

  constexpr double GetX() const { return x_; }
  constexpr double GetY() const { return y_; }
  constexpr double GetZ() const { return z_; }

  constexpr double Dot(const ZORMathVector& o) const { return x_ * o.x_ + y_ * o.y_ + z_ * o.z_; }
  constexpr ZORMathVector Cross(const ZORMathVector& o) const {
    return {y_ * o.z_ - z_ * o.y_, z_ * o.x_ - x_ * o.z_, x_ * o.y_ - y_ * o.x_};
  }
  double Norm() const { return std::sqrt(Dot(*this)); }
  // The unit vector along this one; a zero vector becomes (1, 0, 0).
  ZORMathVector Normalized() const {
    const double n = Norm();
    if (n == 0.0) return {1.0, 0.0, 0.0};
    return {x_ / n, y_ / n, z_ / n};
  }

  //! The angle to `o` in degrees, from 0 to 180; 0 when either is null.
  double AngleTo(const ZORMathVector& o) const {
    const double sine = Cross(o).Norm();
    const double cosine = Dot(o);
    if (sine == 0.0 && cosine == 0.0) return 0.0;
    return std::atan2(sine, cosine) * 180.0 / 3.14159265358979323846;
  }

  friend constexpr ZORMathVector operator+(const ZORMathVector& a, const ZORMathVector& b) {
    return {a.x_ + b.x_, a.y_ + b.y_, a.z_ + b.z_};
  }
  friend constexpr ZORMathVector operator-(const ZORMathVector& a, const ZORMathVector& b) {
    return {a.x_ - b.x_, a.y_ - b.y_, a.z_ - b.z_};
  }
  friend constexpr ZORMathVector operator*(double k, const ZORMathVector& v) {
    return {k * v.x_, k * v.y_, k * v.z_};
  }
  friend constexpr ZORMathVector operator-(const ZORMathVector& v) { return {-v.x_, -v.y_, -v.z_}; }
  friend constexpr bool operator==(const ZORMathVector&, const ZORMathVector&) = default;

 private:
  double x_ = 0.0, y_ = 0.0, z_ = 0.0;
};
