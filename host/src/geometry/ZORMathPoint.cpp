#include "ZORMathPoint.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Sine and cosine of an angle in degrees, exact at multiples of 90: the angle is reduced to
// within 45 degrees of a quarter turn, whose sine and cosine are then swapped and signed.
void SinCosDegrees(double degrees, double& sine, double& cosine) {
  const double reduced = std::fmod(degrees, 360.0);  // exact
  const double quarter = std::round(reduced / 90.0);
  const double rest = (reduced - 90.0 * quarter) * kDegree;
  const double s = std::sin(rest);
  const double c = std::cos(rest);
  switch (static_cast<int>(quarter) & 3) {
    case 0:
      sine = s, cosine = c;
      break;
    case 1:
      sine = c, cosine = -s;
      break;
    case 2:
      sine = -s, cosine = -c;
      break;
    default:
      sine = -c, cosine = s;
      break;
  }
  // No negative zero: a quarter turn gives a plain 0, as a user expects to read it.
  sine += 0.0;
  cosine += 0.0;
}

// The angle of (x, y) from +X in degrees, in (-180, 180]; 0 for both zeros whatever their signs.
double Theta(double x, double y) {
  if (x == 0.0 && y == 0.0) return 0.0;
  const double theta = std::atan2(y, x) / kDegree;
  // The division may land just outside the half-open range.
  if (theta <= -180.0 || theta > 180.0) return 180.0;
  return theta;
}

}  // namespace

void ZORMathPoint::GetCylindricalCoord(double& radius, double& theta, double& height) const {
  radius = std::hypot(x_, y_);
  theta = Theta(x_, y_);
  height = z_;
}

void ZORMathPoint::GetSphericalCoord(double& radius, double& theta, double& phi) const {
  const double axial = std::hypot(x_, y_);
  radius = std::hypot(axial, z_);
  theta = Theta(x_, y_);
  phi = radius == 0.0 ? 0.0 : std::atan2(axial, z_) / kDegree;
}

bool ZORMathPoint::SetCylindricalCoord(double radius, double theta, double height) {
  if (!std::isfinite(radius) || !std::isfinite(theta) || !std::isfinite(height)) return false;
  double sine = 0.0, cosine = 1.0;
  SinCosDegrees(theta, sine, cosine);
  x_ = radius * cosine;
  y_ = radius * sine;
  z_ = height;
  return true;
}

bool ZORMathPoint::SetSphericalCoord(double radius, double theta, double phi) {
  if (!std::isfinite(radius) || !std::isfinite(theta) || !std::isfinite(phi)) return false;
  double sinPhi = 0.0, cosPhi = 1.0;
  SinCosDegrees(phi, sinPhi, cosPhi);
  const double axial = radius * sinPhi;
  double sine = 0.0, cosine = 1.0;
  SinCosDegrees(theta, sine, cosine);
  x_ = axial * cosine;
  y_ = axial * sine;
  z_ = radius * cosPhi;
  return true;
}
