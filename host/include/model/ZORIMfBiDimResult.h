#pragma once
// Marks features whose result is a surface.

#include "ZORISpecObject.h"

class ZORIMfBiDimResult : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMfBiDimResult)
};

ZOR_DEFINE_IID(ZORIMfBiDimResult);
using ZORIMfBiDimResult_var = ZORVar<ZORIMfBiDimResult>;
