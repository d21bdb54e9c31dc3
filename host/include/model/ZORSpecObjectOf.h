#pragma once
// A feature seen through its ZORISpecObject interface, as the query through the common base
// answers it (ZORFeature keeps its interfaces private).

#include "ZORFeature.h"

inline ZORISpecObject_var ZORSpecObjectOf(ZORFeature* feature) {
  return feature ? feature->AsSpecObject() : nullptr;
}

inline ZORISpecObject_var ZORSpecObjectOf(const ZORFeature_var& feature) {
  return ZORSpecObjectOf(feature.get());
}
