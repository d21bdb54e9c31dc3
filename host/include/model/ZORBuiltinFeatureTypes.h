#pragma once
// The feature types the host brings: container, part, tools, and the first geometric features
// (point from coordinates, line through two points, plane through three points, intersection
// of a line and a plane).

#include <vector>

#include "ZORFeatureType.h"

std::vector<ZORFeatureType::Description> ZORBuiltinFeatureTypes();
