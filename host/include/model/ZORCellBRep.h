#pragma once
// BRep features of picked cells ("BRepVertex", "BRepEdge", "BRepFace", kinds of "BRepFeature"):
// the cell numbered by the value "Cell" of the result of input "Support", as a feature of its
// own whose result is that cell alone. Each answers the interfaces of its dimension.

#include "ZORCell.h"
#include "ZORFeature.h"

class ZORCellBRep {
 public:
  //! The type name of the BRep features of cells of `dimension` (0, 1 or 2).
  static const char* TypeName(int dimension);
  //! A new BRep feature, outside the tree, standing for `cell` of `support`'s result, updated;
  //! null when the support is not in a document or the cell is not in its result.
  static ZORFeature_var Create(ZORFeature& support, const ZORCell& cell);
};
