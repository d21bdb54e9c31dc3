#pragma once
// The visualization of a cell: one ZOR3DGeomRep built on the first request, not pickable when
// the cell is not. Registered by the host for the class "ZORCell".

#include "ZORExtIVisu.h"

class ZORCell3DGeoVisuExt : public ZORExtIVisu {
  ZOR_DECLARE_CLASS(ZORCell3DGeoVisuExt, ZORExtIVisu, ZORMetaObject::DataExtension, "Visualization")

  ZORCell3DGeoVisuExt() = default;

  //! The kept representation when there is one, else a new one; null when
  //! "ZORI3DGeoVisu::BuildRep" fails.
  ZOR3DRep_var BuildRep() override;
};
