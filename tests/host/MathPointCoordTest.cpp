// Cylindrical and spherical coordinates of a point: the conventions at their edges, and round
// trips over seeded points from 1e-9 to 1e9 against the tolerances the editors rely on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "ZORMathPoint.h"

namespace {

struct Coord {
  double a, b, c;
};

Coord Cylindrical(const ZORMathPoint& p) {
  Coord out{};
  p.GetCylindricalCoord(out.a, out.b, out.c);
  return out;
}

Coord Spherical(const ZORMathPoint& p) {
  Coord out{};
  p.GetSphericalCoord(out.a, out.b, out.c);
  return out;
}

ZORMathPoint FromCylindrical(double r, double theta, double h) {
  ZORMathPoint p;
  EXPECT_TRUE(p.SetCylindricalCoord(r, theta, h));
  return p;
}

ZORMathPoint FromSpherical(double r, double theta, double phi) {
  ZORMathPoint p;
  EXPECT_TRUE(p.SetSphericalCoord(r, theta, phi));
  return p;
}

void ExpectCoord(const Coord& expected, const Coord& actual) {
  EXPECT_DOUBLE_EQ(expected.a, actual.a);
  EXPECT_DOUBLE_EQ(expected.b, actual.b);
  EXPECT_DOUBLE_EQ(expected.c, actual.c);
}

// The difference of two angles in degrees brought into [-180, 180].
double AngleGap(double a, double b) {
  double gap = std::fmod(a - b, 360.0);
  if (gap > 180.0) gap -= 360.0;
  if (gap < -180.0) gap += 360.0;
  return gap;
}

TEST(MathPointCoordTest, ConventionsAtTheirEdges) {
  ExpectCoord({10, 90, 5}, Cylindrical(ZORMathPoint(0, 10, 5)));
  ExpectCoord({5, 0, 0}, Spherical(ZORMathPoint(0, 0, 5)));
  ExpectCoord({5, 0, 180}, Spherical(ZORMathPoint(0, 0, -5)));
  ExpectCoord({2, 180, 90}, Spherical(ZORMathPoint(-2, 0, 0)));
  ExpectCoord({2, -90, 90}, Spherical(ZORMathPoint(0, -2, 0)));
  ExpectCoord({std::sqrt(2.0), 135, 3}, Cylindrical(ZORMathPoint(-1, 1, 3)));
  // Theta is 180, never -180, on the negative X axis whichever the sign of the zero.
  EXPECT_EQ(180.0, Cylindrical(ZORMathPoint(-1, -0.0, 0)).b);
  EXPECT_EQ(180.0, Cylindrical(ZORMathPoint(-1, 0.0, 0)).b);
  // On the Z axis theta is 0 whatever the zeros' signs; phi is 0 at the origin.
  for (const double x : {0.0, -0.0}) {
    for (const double y : {0.0, -0.0}) {
      EXPECT_EQ(0.0, Cylindrical(ZORMathPoint(x, y, 7)).b);
      EXPECT_EQ(0.0, Spherical(ZORMathPoint(x, y, -7)).b);
      ExpectCoord({0, 0, 0}, Spherical(ZORMathPoint(x, y, 0)));
      ExpectCoord({0, 0, 0}, Cylindrical(ZORMathPoint(x, y, 0)));
    }
  }
}

TEST(MathPointCoordTest, MultiplesOfNinetyGiveExactCoordinates) {
  EXPECT_EQ(ZORMathPoint(0, 10, 5), FromCylindrical(10, 90, 5));
  EXPECT_FALSE(std::signbit(FromCylindrical(10, 90, 5).GetX()));  // read as 0, not -0
  EXPECT_FALSE(std::signbit(FromCylindrical(10, 180, 5).GetY()));
  EXPECT_EQ(ZORMathPoint(-10, 0, 5), FromCylindrical(10, 180, 5));
  EXPECT_EQ(ZORMathPoint(0, -10, 0), FromCylindrical(10, -90, 0));
  EXPECT_EQ(ZORMathPoint(0, -10, 0), FromCylindrical(10, 270, 0));
  EXPECT_EQ(ZORMathPoint(10, 0, 0), FromCylindrical(10, 720, 0));
  EXPECT_EQ(ZORMathPoint(0, 0, 4), FromSpherical(4, 33, 0));
  EXPECT_EQ(-4.0, FromSpherical(4, 33, 180).GetZ());
  EXPECT_EQ(ZORMathPoint(0, 4, 0), FromSpherical(4, 90, 90));
  ZORMathPoint p = FromCylindrical(2, 30, 0);
  EXPECT_NEAR(std::sqrt(3.0), p.GetX(), 1e-15);
  EXPECT_NEAR(1.0, p.GetY(), 1e-15);
}

TEST(MathPointCoordTest, NonFiniteCoordinatesLeaveThePoint) {
  const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()};
  for (const double v : bad) {
    ZORMathPoint p(1, 2, 3);
    EXPECT_FALSE(p.SetCylindricalCoord(v, 0, 0));
    EXPECT_FALSE(p.SetCylindricalCoord(1, v, 0));
    EXPECT_FALSE(p.SetCylindricalCoord(1, 0, v));
    EXPECT_FALSE(p.SetSphericalCoord(v, 0, 0));
    EXPECT_FALSE(p.SetSphericalCoord(1, v, 0));
    EXPECT_FALSE(p.SetSphericalCoord(1, 0, v));
    EXPECT_EQ(ZORMathPoint(1, 2, 3), p);
  }
}

// Seeded points of every magnitude from 1e-9 to 1e9 in every direction.
class SeededPoints {
 public:
  ZORMathPoint Next() {
    const double magnitude = std::pow(10.0, exponent_(engine_));
    ZORMathPoint p(unit_(engine_), unit_(engine_), unit_(engine_));
    const double n = std::hypot(p.GetX(), p.GetY(), p.GetZ());
    if (n == 0.0) return ZORMathPoint(magnitude, 0, 0);
    const double k = magnitude / n;
    return {k * p.GetX(), k * p.GetY(), k * p.GetZ()};
  }

 private:
  std::mt19937_64 engine_{20261207};
  std::uniform_real_distribution<double> exponent_{-9.0, 9.0};
  std::uniform_real_distribution<double> unit_{-1.0, 1.0};
};

TEST(MathPointCoordTest, HundredThousandSeededRoundTripsStayWithinTolerance) {
  SeededPoints points;
  int angleChecks = 0;
  for (int i = 0; i < 100000; ++i) {
    const ZORMathPoint p = points.Next();
    const double size = std::max(1.0, std::hypot(p.GetX(), p.GetY(), p.GetZ()));
    const double tolerance = 1e-12 * size;
    const Coord cyl = Cylindrical(p);
    const ZORMathPoint fromCyl = FromCylindrical(cyl.a, cyl.b, cyl.c);
    ASSERT_LE(fromCyl.DistanceTo(p), tolerance) << "cylindrical, point " << i;
    const Coord sph = Spherical(p);
    const ZORMathPoint fromSph = FromSpherical(sph.a, sph.b, sph.c);
    ASSERT_LE(fromSph.DistanceTo(p), tolerance) << "spherical, point " << i;
    ASSERT_GE(sph.c, 0.0);
    ASSERT_LE(sph.c, 180.0);
    ASSERT_GT(sph.b, -180.0);
    ASSERT_LE(sph.b, 180.0);
    if (sph.c < 1.0 || sph.c > 179.0) continue;
    // Back from the point built from the spherical values, the angles are found again.
    ++angleChecks;
    const Coord again = Spherical(fromSph);
    ASSERT_NEAR(0.0, AngleGap(sph.b, again.b), 1e-9) << "theta, point " << i;
    ASSERT_NEAR(sph.c, again.c, 1e-9) << "phi, point " << i;
    ASSERT_NEAR(sph.a, again.a, tolerance);
  }
  EXPECT_GT(angleChecks, 90000);
}

}  // namespace
