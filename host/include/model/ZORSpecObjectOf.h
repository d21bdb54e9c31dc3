#pragma once
// A feature seen through its ZORISpecObject interface. ZORFeature keeps its interfaces private, so
// a handle is taken through the common base, where the query filters by the feature's kind.

#include "ZORFeature.h"

inline ZORISpecObject_var ZORSpecObjectOf(ZORFeature* feature) {
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(feature));
}

inline ZORISpecObject_var ZORSpecObjectOf(const ZORFeature_var& feature) {
  return ZORSpecObjectOf(feature.get());
}
