#pragma once
// The plugs of a feature in a shape body: the body's features form a chain in tree order, each
// one taking the result of the feature before it and handing its own to the feature after it.

#include "ZORISpecObject.h"

class ZORIShapeInOutPlugs : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIShapeInOutPlugs)

  // The feature whose result this one takes: the one before it in its shape body. Null for the
  // first feature of the body and for a feature that lies in no shape body.
  virtual ZORISpecObject_var GetInputFeature() = 0;
  // The feature that takes this one's result: the one after it in its shape body. Null for the
  // last feature of the body and for a feature that lies in no shape body.
  virtual ZORISpecObject_var GetOutputFeature() = 0;
};

ZOR_DEFINE_IID(ZORIShapeInOutPlugs);
using ZORIShapeInOutPlugs_var = ZORVar<ZORIShapeInOutPlugs>;
