#pragma once
// Type mark of line features.

#include "ZORVar.h"

class ZORIMfLine : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMfLine)
};

ZOR_DEFINE_IID(ZORIMfLine);
using ZORIMfLine_var = ZORVar<ZORIMfLine>;
