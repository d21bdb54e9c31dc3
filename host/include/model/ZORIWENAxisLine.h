#pragma once
// An axis line: the line through a point along a reference element's direction (a curve's
// tangent nearest the point) or normal (a surface's, at the point's projection), bounded by
// the lengths "Start" and "End" along that direction from the point.

#include "ZORISpecObject.h"

class ZORIWENAxisLine : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENAxisLine)

  //! The point the line passes through; null while none is given.
  virtual ZORISpecObject_var GetPoint() = 0;
  //! The element giving the direction; null while none is given.
  virtual ZORISpecObject_var GetReference() = 0;
  //! The bounding lengths along the direction from the point.
  virtual double GetStartLength() = 0;
  virtual double GetEndLength() = 0;
  //! A change makes the line and its users out of date.
  virtual HRESULT SetLengths(double start, double end) = 0;
};

ZOR_DEFINE_IID(ZORIWENAxisLine);
using ZORIWENAxisLine_var = ZORVar<ZORIWENAxisLine>;
