#pragma once
// Navigation in the feature tree.

#include "ZORListValZORISpecObject_var.h"

class ZORINavigateObject : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORINavigateObject)

  // Appends the children, in order.
  virtual HRESULT GetChildren(ZORListValZORISpecObject_var& children) = 0;
};

ZOR_DEFINE_IID(ZORINavigateObject);
using ZORINavigateObject_var = ZORVar<ZORINavigateObject>;
