#pragma once
// A point of 3D space, with its cylindrical and spherical coordinates. Angles are in degrees:
// theta is measured in the XY plane from +X towards +Y, in (-180, 180], and is 0 on the Z axis;
// phi is measured from +Z, in [0, 180], and is 0 at the origin. Cylindrical coordinates are
// (distance to the Z axis, theta, z), spherical ones (distance to the origin, theta, phi).

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

  //! Cylindrical coordinates (radius, theta in degrees, height).
  void GetCylindricalCoord(double& radius, double& theta, double& height) const;
  //! Spherical coordinates (radius, theta and phi in degrees).
  void GetSphericalCoord(double& radius, double& theta, double& phi) const;
  //! Sets the point from cylindrical coordinates; false, and no change, when one is not finite.
  bool SetCylindricalCoord(double radius, double theta, double height);
  //! Sets the point from spherical coordinates; false, and no change, when one is not finite.
  bool SetSphericalCoord(double radius, double theta, double phi);

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
