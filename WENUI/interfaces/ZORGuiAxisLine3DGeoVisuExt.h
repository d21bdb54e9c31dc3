#pragma once
//! \class ZORGuiAxisLine3DGeoVisuExt
//! The 3D visualization of an axis line feature (late type "WENAxisLine"): the infinite line
//! drawn as a finite segment, fitted to the box of its reference element when the workbench's
//! axis-line display option is set, between the line's own limits otherwise (or when the
//! reference has no body). A feature without the axis line interface, a body, an edge or a
//! line geometry is drawn empty.

#include "ZORExtIVisu.h"

class ZORGuiAxisLine3DGeoVisuExt : public ZORExtIVisu {
  ZOR_DECLARE_CLASS(ZORGuiAxisLine3DGeoVisuExt, ZORExtIVisu, ZORMetaObject::DataExtension, "WENUI")

  //! Made by the interface dictionary for an axis line.
  ZORGuiAxisLine3DGeoVisuExt() = default;

  //! A bag holding the segment (a "ZOR3DLineRep" with its bounding sphere), or an empty
  //! custom representation.
  ZOR3DRep_var BuildRep() override;
  //! The base's operation, on a line representation only; any other is left unchanged.
  void SetLineGraphicAttribute(ZORRep* rep, ZORVisPropertyType type,
                               ZORVisPropertiesValues& values) override;
};
