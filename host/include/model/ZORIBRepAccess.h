#pragma once
// What a picked element (a BRep feature) belongs to: the feature whose result it designates and
// the shape body that holds that feature.

#include "ZORISpecObject.h"

class ZORIBRepAccess : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIBRepAccess)

  // The feature whose result the element designates; null when it has none.
  virtual ZORISpecObject_var GetSupportFeature() = 0;
  // The nearest shape body above that feature; null when the feature lies in none.
  virtual ZORISpecObject_var GetShapeFeatureBody() = 0;
};

ZOR_DEFINE_IID(ZORIBRepAccess);
using ZORIBRepAccess_var = ZORVar<ZORIBRepAccess>;
