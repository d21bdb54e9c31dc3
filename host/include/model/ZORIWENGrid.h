#pragma once
// The grid of a working support; ask it for the kind of grid it is (ZORIWENCartesianGrid).

#include "ZORVar.h"

class ZORIWENGrid : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENGrid)

  //! Whether the grid is drawn for the user.
  virtual int IsShown() = 0;
};

ZOR_DEFINE_IID(ZORIWENGrid);
using ZORIWENGrid_var = ZORVar<ZORIWENGrid>;
