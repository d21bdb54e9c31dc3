#pragma once
// A cell of a body: a vertex (dimension 0) carrying a ZORPoint, an edge (1) carrying a
// ZORCurve between two vertices, or a face (2) carrying a ZORSurface bounded by edges. A cell
// holds its boundary cells, never its body: the body holds every cell. Its geometry does not
// change; whether a viewer may pick it does (SetNoPick), and its own visualisation
// (ZORI3DGeoVisu) draws it with that state.

#include <string>

#include "ZORCurve.h"
#include "ZORInlineVector.h"
#include "ZORPoint.h"
#include "ZORSurface.h"

class ZORCell : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORCell, ZORBaseUnknown, ZORMetaObject::Implementation, "Geometry")

  ZORCell() = default;
  //! A cell of `dimension` carrying `geometry`, `number` in its body (from 1).
  ZORCell(int dimension, ZORBaseUnknown_var geometry, int number);

  //! 0 vertex, 1 edge, 2 face.
  int GetDimension() const { return dimension_; }
  //! Its position among its body's cells, from 1.
  int GetNumber() const { return number_; }
  //! The geometry: a ZORPoint, ZORCurve or ZORSurface.
  ZORBaseUnknown* GetGeometry() const { return geometry_.get(); }
  //! The geometry of a vertex, edge or face; null for another dimension.
  ZORPoint* GetPoint() const { return point_; }
  ZORCurve* GetCurve() const { return curve_; }
  ZORSurface* GetSurface() const { return surface_; }
  //! An edge's start and end vertices, a face's edges; none for a vertex.
  const ZORInlineVector<ZORVar<ZORCell>, 2>& GetBoundary() const { return boundary_; }
  //! Adds a boundary cell (while the body is built).
  void AddBoundary(ZORCell& cell) { boundary_.push_back(&cell); }

  //! Whether viewers may not pick the cell.
  bool IsNoPick() const { return noPick_; }
  void SetNoPick(bool noPick) { noPick_ = noPick; }

  //! The centre of gravity: the point, the length-weighted middle, the area-weighted middle.
  ZORMathPoint GetCenterOfGravity() const;
  //! The length of an edge, the area of a face, 0 for a vertex.
  double GetMeasure() const;
  //! "vertex 1 point(0,0,0)", "edge 2 line(...)", "face 3 cylinder(...)".
  std::string Describe() const;

 private:
  int dimension_ = 0;
  int number_ = 0;
  ZORBaseUnknown_var geometry_;
  // geometry_ seen as what it is, found once: walks over many cells ask for it at every cell.
  ZORPoint* point_ = nullptr;
  ZORCurve* curve_ = nullptr;
  ZORSurface* surface_ = nullptr;
  // An edge's two vertices sit in the cell: walks along long wires read no other block.
  ZORInlineVector<ZORVar<ZORCell>, 2> boundary_;
  bool noPick_ = false;
};

using ZORCell_var = ZORVar<ZORCell>;
