#pragma once
// Activity of a feature. An inactive feature has no result and is not recomputed; the features that
// use it fail their update. Refresh brings the feature's mechanical properties in line with its
// last update (after a failed one, say); the host only counts the calls.

#include "ZORISpecObject.h"

class ZORIMechanicalProperties : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMechanicalProperties)

  virtual HRESULT Deactivate() = 0;
  virtual HRESULT Activate() = 0;
  virtual int IsInactive() = 0;
  virtual HRESULT Refresh() = 0;
};

ZOR_DEFINE_IID(ZORIMechanicalProperties);
using ZORIMechanicalProperties_var = ZORVar<ZORIMechanicalProperties>;
