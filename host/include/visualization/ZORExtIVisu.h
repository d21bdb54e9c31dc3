#pragma once
// The base of visualization extensions: it keeps the representation that the concrete
// extension's BuildRep builds, so that the extended object gives one representation until it
// is let go. The representation stands for the extended object and forgets it when the
// extension goes with its object.

#include "ZORBaseExtension.h"
#include "ZORI3DGeoVisu.h"
#include "ZORRep.h"
#include "ZORVisPropertiesValues.h"
#include "ZORVisPropertyType.h"

class ZORExtIVisu : public ZORBaseExtension, public ZORI3DGeoVisu {
  ZOR_DECLARE_CLASS(ZORExtIVisu, ZORBaseExtension, ZORMetaObject::DataExtension, "Visualization")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORI3DGeoVisu)

  ZORExtIVisu() = default;
  ~ZORExtIVisu() override;

  // Builds nothing; concrete extensions build their drawing.
  ZOR3DRep_var BuildRep() override { return nullptr; }
  // The kept representation, built with BuildRep on the first request.
  ZOR3DRep* GiveRep() override;
  ZOR3DRep* GetRep() override { return rep_.get(); }
  void UnreferenceRep() override;
  //! Applies one visual property to a 3D representation of the object: pick makes it
  //! pickable or not, a colour goes on a line representation as it is given (other kinds
  //! have no palette index to take it), opacity and show are the viewer's. Anything else is
  //! left as it is.
  virtual void SetLineGraphicAttribute(ZORRep* rep, ZORVisPropertyType type,
                                       ZORVisPropertiesValues& values);

 private:
  void Forget();

  ZOR3DRep_var rep_;
};
