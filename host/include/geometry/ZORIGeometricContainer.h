#pragma once
// The geometric side of a container: the factory its bodies live in.

#include "ZORVar.h"

class ZORGeoFactory;

class ZORIGeometricContainer : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIGeometricContainer)

  // The container's factory, created with the container's first request; null when the
  // service fails.
  virtual ZORGeoFactory* GetGeoFactory() = 0;
};

ZOR_DEFINE_IID(ZORIGeometricContainer);
using ZORIGeometricContainer_var = ZORVar<ZORIGeometricContainer>;
