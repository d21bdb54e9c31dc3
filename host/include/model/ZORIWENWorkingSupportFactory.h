#pragma once
// Offered by a part: its set of working supports, made on the first request and kept as long as
// the part.

#include "ZORIWENWorkingSupportSet.h"

class ZORIWENWorkingSupportFactory : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENWorkingSupportFactory)

  // The part's set; null when "ZORIWENWorkingSupportFactory::GetWorkingSupportSet" fails.
  virtual ZORIWENWorkingSupportSet_var GetWorkingSupportSet() = 0;
};

ZOR_DEFINE_IID(ZORIWENWorkingSupportFactory);
using ZORIWENWorkingSupportFactory_var = ZORVar<ZORIWENWorkingSupportFactory>;
