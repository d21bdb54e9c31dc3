#pragma once
// The length on a support shell from an origin to a vertex body: on a plane the straight
// distance, on a cylinder the unrolled one. The origin (often the shell's centre, which may lie
// off a curved shell) is measured from its nearest point on the face that holds the vertex.

#include "ZORBody.h"
#include "ZORGeoFactory.h"
#include "ZORTopData.h"

//! E_FAIL (length untouched) for a missing factory, shell or vertex, a vertex farther than
//! 1e-6 mm from every face of the shell, or a shell without faces.
HRESULT CreateLengthFromBodyOnShell(ZORGeoFactory* factory, ZORTopData* data, const ZORBody* shell,
                                    const ZORMathPoint& origin, const ZORBody* vertex,
                                    double& length);
