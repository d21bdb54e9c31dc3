#pragma once
// A translation ("WENTranslate"): the element moved along a direction by the value "Distance".

#include "ZORISpecObject.h"

class ZORIWENTranslate : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENTranslate)

  // The inputs; null when missing.
  virtual ZORISpecObject_var GetElement() = 0;
  virtual ZORISpecObject_var GetDirection() = 0;
};

ZOR_DEFINE_IID(ZORIWENTranslate);
using ZORIWENTranslate_var = ZORVar<ZORIWENTranslate>;
