#pragma once
// Management of a part: its in-work object, the feature new features go after.

#include "ZORISpecObject.h"

class ZORIPrtManagement : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIPrtManagement)

  // `feature` (a feature of the part's document) becomes the in-work object.
  virtual HRESULT SetInWorkObject(const ZORISpecObject_var& feature) = 0;
  virtual ZORISpecObject_var GetInWorkObject() = 0;
};

ZOR_DEFINE_IID(ZORIPrtManagement);
using ZORIPrtManagement_var = ZORVar<ZORIPrtManagement>;
