#pragma once
// Builds a body cell by cell, then finishes it: the domains are numbered (the cells sharing
// vertices and edges were joined as they were added, near-linear in the number of cells) and the
// body is handed out. Geometry
// that is not finite is refused, and a builder that refused a cell finishes with no body, so
// that a body never holds a NaN.

#include "ZORBody.h"
#include "ZORCellPartition.h"
#include "ZORCurve.h"
#include "ZORSurface.h"

class ZORBodyBuilder {
 public:
  //! Builds into `body` (a fresh ZORBody, or one of its kinds such as a cloud).
  explicit ZORBodyBuilder(ZORBody_var body = ZORMake<ZORBody>());

  //! A new vertex; null when the point is not finite.
  ZORCell* AddVertex(const ZORMathPoint& point);
  //! A new edge from `start` to `end` (vertices of this body); null when the curve is not finite
  //! or of no length.
  ZORCell* AddEdge(const ZORCurve_var& curve, ZORCell* start, ZORCell* end);
  //! A chain of edges end to end: each curve's start vertex is the previous one's end vertex
  //! (the first gets a new one); `closed` makes the last end on the first start. Answers the
  //! last edge, null when one was refused.
  ZORCell* AddChain(const std::vector<ZORCurve_var>& curves, bool closed);
  //! A new face on `surface` with its boundary edges and corner vertices (ends closer than
  //! `tolerance` share one vertex); null when the surface is not finite.
  ZORCell* AddFace(const ZORSurface_var& surface, double tolerance = 1e-9);
  //! A copy of `cell` alone, with the vertices of its boundary (and a face's edges).
  ZORCell* AddCopyOf(const ZORCell& cell);
  //! Whether the three coordinates of `point` are finite: a body holds no other point.
  static bool IsFinite(const ZORMathPoint& point);
  //! Whether a cell was refused.
  bool HasFailed() const { return failed_; }

  //! The body with its domains; null when a cell was refused. The builder is spent.
  ZORBody_var Finish();

 private:
  ZORCell* Add(int dimension, ZORBaseUnknown_var geometry);
  ZORCell* VertexAt(const ZORMathPoint& point, const std::vector<ZORCell*>& near, double tolerance);
  // Gives `cell` its boundary cell `boundary`: both in one piece from then on.
  void Bound(ZORCell& cell, ZORCell& boundary);

  ZORBody_var body_;
  ZORCellPartition partition_;
  bool failed_ = false;
};
