#pragma once
// The normal of a surface feature's result.

#include "ZORMathVector.h"
#include "ZORVar.h"

// The unit normal of the surface at its default point (anywhere on a plane); E_FAIL (normal
// untouched) for a feature whose current result is not a surface.
HRESULT ZORWENGetNormale(const ZORBaseUnknown_var& surface, ZORMathVector& normal);
