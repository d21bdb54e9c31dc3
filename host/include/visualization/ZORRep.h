#pragma once
// The base of every representation a viewer draws, 3D or 2D: what a caller tests a
// representation's kind on (IsA "ZOR3DLineRep", "ZOR2DBagRep" ...).

#include "ZORVar.h"

class ZORRep : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORRep, ZORBaseUnknown, ZORMetaObject::Implementation, "Visualization")

  ZORRep() = default;
  ~ZORRep() override;
};
