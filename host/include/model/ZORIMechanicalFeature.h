#pragma once
// A feature of the mechanical model, which can be put under the mechanical ownership of another (a
// plain feature under the multi-selection that replaces it, a single result under the father it
// joins).

#include "ZORISpecObject.h"

class ZORIMechanicalFeature : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMechanicalFeature)

  // `owner` (null clears) becomes the feature that owns this one mechanically.
  virtual HRESULT SetMechanicalOwner(const ZORVar<ZORIMechanicalFeature>& owner) = 0;
  virtual ZORISpecObject_var GetMechanicalOwner() = 0;
};

ZOR_DEFINE_IID(ZORIMechanicalFeature);
using ZORIMechanicalFeature_var = ZORVar<ZORIMechanicalFeature>;
