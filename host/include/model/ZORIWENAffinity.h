#pragma once
// An affinity ("WENAffinity"): the element scaled from an origin point by the values "RatioX",
// "RatioY", "RatioZ" along the axes.

#include "ZORISpecObject.h"

class ZORIWENAffinity : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENAffinity)

  // The inputs; null when missing.
  virtual ZORISpecObject_var GetElement() = 0;
  virtual ZORISpecObject_var GetOrigin() = 0;
};

ZOR_DEFINE_IID(ZORIWENAffinity);
using ZORIWENAffinity_var = ZORVar<ZORIWENAffinity>;
