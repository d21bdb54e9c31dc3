#pragma once
// The plane a working support's grid lies on.

#include "ZORISpecObject.h"
#include "ZORMathPlane.h"

//! The plane of `reference`'s result when it is planar, else the plane of `support`'s. E_FAIL,
//! `plane` untouched, when neither gives a plane.
HRESULT ZORWENGetAxis(const ZORISpecObject_var& support, const ZORISpecObject_var& reference,
                      ZORMathPlane& plane);
