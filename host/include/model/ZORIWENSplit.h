#pragma once
// A split ("WENSplit"): the element cut by a cutting element, one side kept.

#include "ZORISpecObject.h"

class ZORIWENSplit : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENSplit)

  //! The element cut; null while none is given.
  virtual ZORISpecObject_var GetElement() = 0;
  //! The cutting element; null while none is given.
  virtual ZORISpecObject_var GetCutter() = 0;
};

ZOR_DEFINE_IID(ZORIWENSplit);
using ZORIWENSplit_var = ZORVar<ZORIWENSplit>;
