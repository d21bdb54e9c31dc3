#pragma once
// Marks features whose result is a point.

#include "ZORISpecObject.h"

class ZORIMfZeroDimResult : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMfZeroDimResult)
};

ZOR_DEFINE_IID(ZORIMfZeroDimResult);
using ZORIMfZeroDimResult_var = ZORVar<ZORIMfZeroDimResult>;
