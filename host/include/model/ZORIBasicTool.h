#pragma once
// Offered by bodies and geometrical sets (not by shape bodies): the tools that hold features.

#include "ZORVar.h"

class ZORIBasicTool : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIBasicTool)

  // 1 for a geometrical set, 0 for a body.
  virtual int IsGeometricalSet() = 0;
};

ZOR_DEFINE_IID(ZORIBasicTool);
using ZORIBasicTool_var = ZORVar<ZORIBasicTool>;
