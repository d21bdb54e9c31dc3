#pragma once
// The factory of geometrical sets, answered by a document's container.

#include "ZORISpecObject.h"

class ZORIGSOFactory : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIGSOFactory)

  // A new geometrical set under `father` (a part, body or set of the container's document), at
  // `position` among its children (0 appends). Null when the father cannot take it.
  virtual ZORISpecObject_var CreateGeometricalSet(const ZORISpecObject_var& father,
                                                  int position = 0) = 0;
};

ZOR_DEFINE_IID(ZORIGSOFactory);
using ZORIGSOFactory_var = ZORVar<ZORIGSOFactory>;
