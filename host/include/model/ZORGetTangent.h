#pragma once
// The tangent of a curve feature's result.

#include "ZORMathPoint.h"
#include "ZORVar.h"

// Where GetTangent reads the tangent.
inline constexpr int kZORTangentAtStart = 3;
inline constexpr int kZORTangentAtEnd = 4;

// The point at the start (kZORTangentAtStart) or the end (kZORTangentAtEnd) of the curve and the
// unit tangent there, oriented along the curve; `defaultDirection` stands for the tangent of a
// curve too short to have one. E_FAIL (outputs untouched) for a feature whose current result is
// not a curve; E_INVALIDARG for another place.
HRESULT GetTangent(const ZORBaseUnknown_var& curve, int where,
                   const ZORMathVector& defaultDirection, ZORMathPoint& point,
                   ZORMathVector& tangent);
