#pragma once
// The 3D visualization of an object: the representation the viewer draws for it. The object
// keeps its representation once built, so that every caller gets the same one.

#include "ZOR3DRep.h"
#include "ZORVar.h"

class ZORI3DGeoVisu : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORI3DGeoVisu)

  // Builds the object's representation (or gives back the one it keeps); null when it has
  // nothing to draw or the service fails.
  virtual ZOR3DRep_var BuildRep() = 0;
  // The representation the object keeps, built on the first request. The object holds it: no
  // reference is handed over. Null when it has nothing to draw or the service fails.
  virtual ZOR3DRep* GiveRep() = 0;
  // The representation kept, without building one; null when none.
  virtual ZOR3DRep* GetRep() = 0;
  // Lets go of the kept representation; the next GiveRep builds a new one.
  virtual void UnreferenceRep() = 0;
};

ZOR_DEFINE_IID(ZORI3DGeoVisu);
using ZORI3DGeoVisu_var = ZORVar<ZORI3DGeoVisu>;
