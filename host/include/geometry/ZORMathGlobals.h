#pragma once
// The origin and the unit vectors of the absolute axis system, and the degree in radians.

#include "ZORMathPoint.h"
#include "ZORMathVector.h"

inline constexpr ZORMathPoint ZORMathO{0.0, 0.0, 0.0};
inline constexpr ZORMathVector ZORMathI{1.0, 0.0, 0.0};
inline constexpr ZORMathVector ZORMathJ{0.0, 1.0, 0.0};
inline constexpr ZORMathVector ZORMathK{0.0, 0.0, 1.0};
//! Radians in a degree.
inline constexpr double ZORDegreeToRadian = 3.14159265358979323846 / 180.0;
