#pragma once
// Offered by a part: the feature its current working support lies on.

#include "ZORISpecObject.h"

class ZORIWENSection : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENSection)

  //! The support feature of the part's current working support; null when none is current.
  virtual ZORISpecObject_var GetSupportFeature() = 0;
};

ZOR_DEFINE_IID(ZORIWENSection);
using ZORIWENSection_var = ZORVar<ZORIWENSection>;
