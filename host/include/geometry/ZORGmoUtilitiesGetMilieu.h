#pragma once
// The middle of a wire body: the point half way along it and the unit direction of the wire
// there.

#include "ZORBody.h"

//! E_FAIL (outputs untouched) for a null body or one whose edges make no single wire.
HRESULT ZORGmoUtilitiesGetMilieu(const ZORBody_var& wire, ZORMathPoint& middle,
                                 ZORMathVector& direction);
