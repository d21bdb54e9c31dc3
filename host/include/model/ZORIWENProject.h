#pragma once
// A projection ("WENProject"): the element projected on a support plane, along a direction when one
// is given, normally otherwise.

#include "ZORISpecObject.h"

class ZORIWENProject : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENProject)

  // The inputs; null when missing.
  virtual ZORISpecObject_var GetElement() = 0;
  virtual ZORISpecObject_var GetSupport() = 0;
  virtual ZORISpecObject_var GetDirection() = 0;
};

ZOR_DEFINE_IID(ZORIWENProject);
using ZORIWENProject_var = ZORVar<ZORIWENProject>;
