#pragma once
// Checks of computed geometry against closed forms: equal within 1e-9 relative (absolute
// below 1).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ZORMathPoint.h"

inline void ExpectNear(double expected, double actual) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected)));
}

inline void ExpectPoint(const ZORMathPoint& expected, const ZORMathPoint& actual) {
  ExpectNear(expected.GetX(), actual.GetX());
  ExpectNear(expected.GetY(), actual.GetY());
  ExpectNear(expected.GetZ(), actual.GetZ());
}
