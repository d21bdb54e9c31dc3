#pragma once
// Graphic state of a feature as the viewer reads it; the same state ZORIVisProperties writes.

#include "ZORVar.h"

class ZORIGraphicProperties : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIGraphicProperties)

  // 0 when the feature is not pickable.
  virtual int IsPickable() = 0;
  // 0 when the feature is in no-show.
  virtual int IsShown() = 0;
};

ZOR_DEFINE_IID(ZORIGraphicProperties);
using ZORIGraphicProperties_var = ZORVar<ZORIGraphicProperties>;
