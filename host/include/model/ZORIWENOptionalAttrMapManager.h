#pragma once
// The optional attributes of a feature, mapped from its inputs. An edition may change the inputs,
// so the command refreshes the map of every feature it edited.

#include "ZORBaseUnknown.h"
#include "ZORVar.h"

class ZORIWENOptionalAttrMapManager : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENOptionalAttrMapManager)

  virtual HRESULT Refresh() = 0;
};

ZOR_DEFINE_IID(ZORIWENOptionalAttrMapManager);
using ZORIWENOptionalAttrMapManager_var = ZORVar<ZORIWENOptionalAttrMapManager>;
