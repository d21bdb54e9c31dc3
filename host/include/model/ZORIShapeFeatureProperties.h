#pragma once
// What a shape body says about the current feature while a command works in it: either the body
// itself becomes the current feature, or the feature the body designates (its last feature).

#include "ZORISpecObject.h"

class ZORIShapeFeatureProperties : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIShapeFeatureProperties)

  //! 1 when the body itself becomes the current feature, 0 when the feature it designates does.
  virtual int IsCurrentItself() = 0;
  //! Makes the body itself (1) or the feature it designates (0) the current feature from now on.
  virtual HRESULT SetCurrentItself(int itself) = 0;
  //! The feature the body designates: its last feature; null when it holds none.
  virtual ZORISpecObject_var GetDesignatedFeature() = 0;
};

ZOR_DEFINE_IID(ZORIShapeFeatureProperties);
using ZORIShapeFeatureProperties_var = ZORVar<ZORIShapeFeatureProperties>;
