#pragma once
// An element that designates a feature (a BRep feature designates its support).

#include "ZORISpecObject.h"

class ZORIGeometricalElement : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIGeometricalElement)

  virtual ZORISpecObject_var GetDesignatedFeature() = 0;
};

ZOR_DEFINE_IID(ZORIGeometricalElement);
using ZORIGeometricalElement_var = ZORVar<ZORIGeometricalElement>;
