#pragma once
// Type mark of plane features.

#include "ZORVar.h"

class ZORIMfPlane : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMfPlane)
};

ZOR_DEFINE_IID(ZORIMfPlane);
using ZORIMfPlane_var = ZORVar<ZORIMfPlane>;
