#pragma once
// Scans around a feature: the features that use it, and its ancestors.

#include "ZORListValZORISpecObject_var.h"

class ZORISpecScan : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORISpecScan)

  // Appends the features that use this one: its father first (when it has one), then the
  // features whose inputs name it, in creation order.
  virtual HRESULT ListUsers(ZORListValZORISpecObject_var& users) = 0;
  // Appends this feature, then its father, its father's father, up to the part.
  virtual HRESULT ListAncestors(ZORListValZORISpecObject_var& ancestors) = 0;
};

ZOR_DEFINE_IID(ZORISpecScan);
using ZORISpecScan_var = ZORVar<ZORISpecScan>;
