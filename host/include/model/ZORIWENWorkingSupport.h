#pragma once
// A working support: the plane or surface the user chose to work on, with the point feature its
// coordinates start from. Its type says what kind of support it is.

#include "ZORISpecObject.h"
#include "ZORIWENGrid.h"
#include "ZORListValZORISpecObject_var.h"

class ZORIWENWorkingSupport : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENWorkingSupport)

  // Types: any surface, or a plane with a cartesian grid.
  static constexpr int kSurface = 1;
  static constexpr int kCartesianPlane = 2;

  // The support geometry (a plane or surface feature).
  virtual ZORISpecObject_var GetSupport() = 0;
  // The point feature the support's coordinates start from; null when the support has none.
  virtual ZORISpecObject_var GetOrigin() = 0;
  // kSurface, kCartesianPlane or a later kind (always 1 or more).
  virtual int GetType() = 0;
  // The support's grid; null when it has none.
  virtual ZORIWENGrid_var GetGrid() = 0;
  // A feature made while this support was current, handed over when its command ended; the
  // support lists them (each once) so that they can go with it. E_FAIL for a null feature.
  virtual HRESULT AddCreatedFeature(const ZORISpecObject_var& feature) = 0;
  virtual void GetCreatedFeatures(ZORListValZORISpecObject_var& features) = 0;
};

ZOR_DEFINE_IID(ZORIWENWorkingSupport);
using ZORIWENWorkingSupport_var = ZORVar<ZORIWENWorkingSupport>;
