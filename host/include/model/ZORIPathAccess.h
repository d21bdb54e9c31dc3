#pragma once
// The path of a feature in its document's tree, from the part down to the feature.

#include "ZORPathElement.h"
#include "ZORVar.h"

class ZORIPathAccess : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIPathAccess)

  // E_FAIL, with `path` left unset, for a feature that is not in its document's tree.
  virtual HRESULT GetPathElement(ZORPathElement& path) = 0;
};

ZOR_DEFINE_IID(ZORIPathAccess);
using ZORIPathAccess_var = ZORVar<ZORIPathAccess>;
