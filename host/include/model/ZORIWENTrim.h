#pragma once
// A trim ("WENTrim"): two elements cut by each other where they meet, a side of each kept and
// the two joined.

#include "ZORISpecObject.h"

class ZORIWENTrim : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENTrim)

  //! The first element; null while none is given.
  virtual ZORISpecObject_var GetFirstElement() = 0;
  //! The second element; null while none is given.
  virtual ZORISpecObject_var GetSecondElement() = 0;
};

ZOR_DEFINE_IID(ZORIWENTrim);
using ZORIWENTrim_var = ZORVar<ZORIWENTrim>;
