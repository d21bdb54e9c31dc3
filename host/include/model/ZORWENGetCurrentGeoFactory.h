#pragma once
// The geometric factory a feature's geometry is made in: the one of the feature's container.

#include "ZORGeoFactory.h"
#include "ZORISpecObject.h"

//! The factory of the feature's container; null for a null feature or one outside a document.
ZORVar<ZORGeoFactory> ZORWENGetCurrentGeoFactory(const ZORISpecObject_var& feature);
