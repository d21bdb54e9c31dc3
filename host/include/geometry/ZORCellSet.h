#pragma once
// What several cells have in common, for bodies and domains: counts by dimension and the centre
// of gravity of those of highest dimension, each weighted by its length or area (vertices
// alone: their mean; unbounded faces: their own centres' mean).

#include <vector>

#include "ZORCell.h"

class ZORCellSet {
 public:
  //! The highest dimension among `cells` (-1 for none).
  static int HighestDimension(const std::vector<ZORCell_var>& cells);
  //! How many of `cells` are of `dimension`.
  static int Count(const std::vector<ZORCell_var>& cells, int dimension);
  //! Their centre of gravity; the origin for no cell.
  static ZORMathPoint CenterOfGravity(const std::vector<ZORCell_var>& cells);
};
