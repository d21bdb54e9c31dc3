#pragma once
// A sketch: a profile drawn on a support plane.

#include "ZORISpecObject.h"

class ZORISketch : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORISketch)

  // The plane the sketch is drawn on; null when it has none.
  virtual ZORISpecObject_var GetSketchSupport() = 0;
};

ZOR_DEFINE_IID(ZORISketch);
using ZORISketch_var = ZORVar<ZORISketch>;
