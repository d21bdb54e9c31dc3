#pragma once
// Type mark of point features.

#include "ZORVar.h"

class ZORIMfPoint : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMfPoint)
};

ZOR_DEFINE_IID(ZORIMfPoint);
using ZORIMfPoint_var = ZORVar<ZORIMfPoint>;
