#pragma once
// Marks features whose result is a curve.

#include "ZORISpecObject.h"

class ZORIMfMonoDimResult : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMfMonoDimResult)
};

ZOR_DEFINE_IID(ZORIMfMonoDimResult);
using ZORIMfMonoDimResult_var = ZORVar<ZORIMfMonoDimResult>;
