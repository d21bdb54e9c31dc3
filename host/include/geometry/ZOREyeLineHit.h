#pragma once
// Where an eye line first meets a body: the pickable cell it meets first along the line's
// direction, and the point on that cell. Faces are met where the line crosses them, edges and
// vertices where the line passes within the pick tolerance; at the same depth (within the
// tolerance) a vertex wins over an edge and an edge over a face, as a user aiming at a corner
// means the corner. Cells marked no-pick are looked through.

#include "ZORBody.h"
#include "ZORMathLine.h"

class ZOREyeLineHit {
 public:
  //! Finds the first hit of `eye` on `body`; false (and the hit unset) when the line misses.
  static bool First(const ZORBody& body, const ZORMathLine& eye, double tolerance,
                    ZOREyeLineHit& hit);

  //! The cell met (held by the body).
  ZORCell* GetCell() const { return cell_; }
  //! The point on the cell.
  const ZORMathPoint& GetPoint() const { return point_; }
  //! The parameter along the eye line.
  double GetParameter() const { return parameter_; }

 private:
  void Offer(ZORCell* cell, double parameter, const ZORMathPoint& point, double tolerance);

  ZORCell* cell_ = nullptr;
  ZORMathPoint point_;
  double parameter_ = 0.0;
};
