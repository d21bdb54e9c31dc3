#pragma once
// Type mark of the geometrical sets whose features keep no order: acquisition type lists name it.

#include "ZORVar.h"

class ZORIMmiNonOrderedGeometricalSet : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMmiNonOrderedGeometricalSet)
};

ZOR_DEFINE_IID(ZORIMmiNonOrderedGeometricalSet);
using ZORIMmiNonOrderedGeometricalSet_var = ZORVar<ZORIMmiNonOrderedGeometricalSet>;
