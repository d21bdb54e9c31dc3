#pragma once
// A grid of lines along the two directions of a plane: a spacing between main lines in each
// direction, divided by graduations (0: none), laid out on the plane of a reference feature.

#include "ZORICkeParm.h"
#include "ZORISpecObject.h"

class ZORIWENCartesianGrid : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENCartesianGrid)

  //! The length parameters of the spacings along the first and second directions.
  virtual HRESULT GetSpacings(ZORICkeParm_var& first, ZORICkeParm_var& second) = 0;
  //! The graduation counts along the first and second directions.
  virtual HRESULT GetGraduations(int& first, int& second) = 0;
  //! The feature whose plane the grid lies on; null: the working support's plane.
  virtual ZORISpecObject_var GetReference() = 0;
};

ZOR_DEFINE_IID(ZORIWENCartesianGrid);
using ZORIWENCartesianGrid_var = ZORVar<ZORIWENCartesianGrid>;
