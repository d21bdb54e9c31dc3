#pragma once
// A point on a surface: from an origin, along a direction, a length measured on the surface.

#include "ZORICkeParm.h"
#include "ZORISpecObject.h"
#include "ZORMathVector.h"

class ZORIWENPointOnSurface : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENPointOnSurface)

  //! The surface the point lies on; null while none is given.
  virtual ZORISpecObject_var GetSupport() = 0;
  //! The point the length starts from; null: the support's centre.
  virtual ZORISpecObject_var GetOrigin() = 0;
  //! The parameter giving the length; null while none is linked.
  virtual ZORICkeParm_var GetLength() = 0;
  //! The unit direction from the origin.
  virtual ZORMathVector GetDirection() = 0;
  //! Changes the direction (normalised; a zero vector gives (1, 0, 0)). E_INVALIDARG for a
  //! vector that is not finite. The point and its users go out of date.
  virtual HRESULT SetDirection(const ZORMathVector& direction) = 0;
};

ZOR_DEFINE_IID(ZORIWENPointOnSurface);
using ZORIWENPointOnSurface_var = ZORVar<ZORIWENPointOnSurface>;
