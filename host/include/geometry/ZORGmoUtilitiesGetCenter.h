#pragma once
// The centre of a body: the centre of gravity of its cells of highest dimension (an unbounded
// plane: its origin).

#include "ZORBody.h"

//! E_FAIL (centre untouched) for a null or empty body.
HRESULT ZORGmoUtilitiesGetCenter(const ZORBody_var& body, ZORMathPoint& centre);
