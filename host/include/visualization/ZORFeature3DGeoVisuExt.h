#pragma once
// The visualization of features: a feature is drawn by the representation of its result body,
// so that it follows the body through updates. Registered by the host for the class
// "ZORFeature"; an extension registered for a feature's late type ("WENAxisLine") comes first.

#include "ZORExtIVisu.h"

class ZORFeature3DGeoVisuExt : public ZORExtIVisu {
  ZOR_DECLARE_CLASS(ZORFeature3DGeoVisuExt, ZORExtIVisu, ZORMetaObject::DataExtension,
                    "Visualization")

  ZORFeature3DGeoVisuExt() = default;

  // The result body's representation; null without a result body.
  ZOR3DRep_var BuildRep() override;
  ZOR3DRep* GiveRep() override;
  ZOR3DRep* GetRep() override;
  // Lets go of the result body's representation.
  void UnreferenceRep() override;

 private:
  ZORI3DGeoVisu_var BodyVisu() const;
};
