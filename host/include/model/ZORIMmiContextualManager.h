#pragma once
// Contextual features: made in the context of another feature (a point created for an input of a
// line), aggregated under it.

#include "ZORISpecObject.h"

class ZORIMmiContextualManager : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMmiContextualManager)

  virtual HRESULT SetContextual(int contextual) = 0;
  virtual int IsContextual() = 0;
  // The feature in whose context this one was made (its father), null when not contextual.
  virtual ZORISpecObject_var GetContext() = 0;
};

ZOR_DEFINE_IID(ZORIMmiContextualManager);
using ZORIMmiContextualManager_var = ZORVar<ZORIMmiContextualManager>;
