#pragma once
// The visualization of bodies: a body is drawn by one ZOR3DGeomRep, built on the first request
// and kept while the body lives. Registered by the host for the class "ZORBody".

#include "ZORExtIVisu.h"

class ZORBody3DGeoVisuExt : public ZORExtIVisu {
  ZOR_DECLARE_CLASS(ZORBody3DGeoVisuExt, ZORExtIVisu, ZORMetaObject::DataExtension, "Visualization")

  ZORBody3DGeoVisuExt() = default;

  // The kept representation when there is one, else a new one; null for an empty body or
  // when "ZORI3DGeoVisu::BuildRep" fails.
  ZOR3DRep_var BuildRep() override;
};
