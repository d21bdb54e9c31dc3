#pragma once
// A working support's cartesian grid: two spacings held as volatile length parameters (not
// features of any document), two graduation counts and the reference feature.

#include "ZORIWENCartesianGrid.h"
#include "ZORIWENGrid.h"

class ZORWENCartesianGrid : public virtual ZORBaseUnknown,
                            public ZORIWENGrid,
                            public ZORIWENCartesianGrid {
  ZOR_DECLARE_CLASS(ZORWENCartesianGrid, ZORBaseUnknown, ZORMetaObject::Implementation, "Sketcher")
  ZOR_IMPLEMENTS(ZORBaseUnknown, ZORIWENGrid, ZORIWENCartesianGrid)

  //! Spacings and graduations as given; a spacing that is not finite is kept as 0.
  ZORWENCartesianGrid(double firstSpacing, double secondSpacing, int firstGraduations,
                      int secondGraduations, const ZORISpecObject_var& reference);

  int IsShown() override { return 1; }
  HRESULT GetSpacings(ZORICkeParm_var& first, ZORICkeParm_var& second) override;
  HRESULT GetGraduations(int& first, int& second) override;
  ZORISpecObject_var GetReference() override { return reference_; }

 private:
  ZORICkeParm_var spacings_[2];
  int graduations_[2];
  ZORISpecObject_var reference_;
};
