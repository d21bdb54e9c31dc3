#pragma once
// The multi-selection manager of a command: keeps the previews, show and pick states of a
// multi-selection feature in step while its input lists change.

#include "ZORBaseUnknown.h"

class ZORWENMSManager : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORWENMSManager, ZORBaseUnknown, ZORMetaObject::Implementation, "WENUI")

  ZORWENMSManager() = default;
};
