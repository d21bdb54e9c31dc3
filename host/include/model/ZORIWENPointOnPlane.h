#pragma once
// A point on a plane at two lengths, H along the plane's first direction and V along its second,
// from the projection of an origin point on the plane (the plane's own origin without one).

#include "ZORICkeParm.h"
#include "ZORISpecObject.h"

class ZORIWENPointOnPlane : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENPointOnPlane)

  //! The plane the point lies on; null while none is given.
  virtual ZORISpecObject_var GetSupport() = 0;
  //! The origin point; null: the plane's own origin.
  virtual ZORISpecObject_var GetOrigin() = 0;
  //! The parameter giving the first coordinate; null while none is linked.
  virtual ZORICkeParm_var GetH() = 0;
  //! The parameter giving the second coordinate; null while none is linked.
  virtual ZORICkeParm_var GetV() = 0;
};

ZOR_DEFINE_IID(ZORIWENPointOnPlane);
using ZORIWENPointOnPlane_var = ZORVar<ZORIWENPointOnPlane>;
