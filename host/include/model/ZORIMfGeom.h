#pragma once
// The geometry carried by a wireframe or surface feature's result.

#include "ZORMathPlane.h"
#include "ZORVar.h"

class ZORIMfGeom : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMfGeom)

  // 1 when the result is a plane.
  virtual int IsAPlane() = 0;
  // The plane of the result (its origin and directions); E_FAIL when it is not a plane.
  virtual HRESULT GetPlane(ZORMathPlane& plane) = 0;
};

ZOR_DEFINE_IID(ZORIMfGeom);
using ZORIMfGeom_var = ZORVar<ZORIMfGeom>;
