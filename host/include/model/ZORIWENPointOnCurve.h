#pragma once
// A point placed on a curve at a ratio of its length (0 the start, 1 the end).

#include "ZORISpecObject.h"

class ZORIWENPointOnCurve : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENPointOnCurve)

  // The curve the point lies on; null while none is given.
  virtual ZORISpecObject_var GetCurve() = 0;
  virtual double GetRatio() = 0;
  // A change makes the point and its users out of date.
  virtual HRESULT SetRatio(double ratio) = 0;
};

ZOR_DEFINE_IID(ZORIWENPointOnCurve);
using ZORIWENPointOnCurve_var = ZORVar<ZORIWENPointOnCurve>;
