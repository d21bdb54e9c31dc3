#pragma once
// Asks the viewers to redraw a feature.

#include "ZORISpecObject.h"

class ZORIRedrawEvent : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIRedrawEvent)

  virtual HRESULT Redraw() = 0;
};

ZOR_DEFINE_IID(ZORIRedrawEvent);
using ZORIRedrawEvent_var = ZORVar<ZORIRedrawEvent>;
