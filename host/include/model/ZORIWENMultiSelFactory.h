#pragma once
// Offered by a document's container: makes multi-selection features.

#include "ZORIWENMultiSel.h"

class ZORIWENMultiSelFactory : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENMultiSelFactory)

  // A new multi-selection feature in the container's document, nobody's child yet; null when
  // the service fails.
  virtual ZORIWENMultiSel_var CreateMultiSel() = 0;
};

ZOR_DEFINE_IID(ZORIWENMultiSelFactory);
using ZORIWENMultiSelFactory_var = ZORVar<ZORIWENMultiSelFactory>;
