#pragma once
// Builds a vertex body at coordinates in a geometric factory.

#include "ZORGeoFactory.h"
#include "ZORTopData.h"

//! The new vertex body at (x, y, z), held by `factory`. A null factory or data, or coordinates
//! that are not finite, raise a ZORError inside a protected section and give null outside one.
ZORBody_var ZORCreateTopPointXYZ(ZORGeoFactory* factory, ZORTopData* data, double x, double y,
                                 double z);
