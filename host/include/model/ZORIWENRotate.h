#pragma once
// A rotation ("WENRotate"): the element turned about an axis by the value "Angle" (degrees).

#include "ZORISpecObject.h"

class ZORIWENRotate : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENRotate)

  // The inputs; null when missing.
  virtual ZORISpecObject_var GetElement() = 0;
  virtual ZORISpecObject_var GetAxis() = 0;
};

ZOR_DEFINE_IID(ZORIWENRotate);
using ZORIWENRotate_var = ZORVar<ZORIWENRotate>;
