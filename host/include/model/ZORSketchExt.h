#pragma once
// Sketches: the feature type "Sketch" (drawn on the plane of its "Support" input, whose plane
// is its result) and its ZORISketch, an extension of that late type.

#include "ZORBaseExtension.h"
#include "ZORISketch.h"

class ZORSketchExt : public ZORBaseExtension, public ZORISketch {
  ZOR_DECLARE_CLASS(ZORSketchExt, ZORBaseExtension, ZORMetaObject::DataExtension, "Sketcher")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORISketch)

  ZORSketchExt() = default;

  ZORISpecObject_var GetSketchSupport() override;
};
