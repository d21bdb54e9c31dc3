#include "ZORCellSet.h"

#include <algorithm>
#include <cmath>

int ZORCellSet::HighestDimension(const std::vector<ZORCell_var>& cells) {
  int highest = -1;
  for (const ZORCell_var& cell : cells) highest = std::max(highest, cell->GetDimension());
  return highest;
}

int ZORCellSet::Count(const std::vector<ZORCell_var>& cells, int dimension) {
  return static_cast<int>(std::count_if(cells.begin(), cells.end(), [&](const ZORCell_var& c) {
    return c->GetDimension() == dimension;
  }));
}

ZORMathPoint ZORCellSet::CenterOfGravity(const std::vector<ZORCell_var>& cells) {
  const int highest = HighestDimension(cells);
  ZORMathVector weighted, plain;
  double total = 0.0;
  int count = 0;
  for (const ZORCell_var& cell : cells) {
    if (cell->GetDimension() != highest) continue;
    const ZORMathVector centre = cell->GetCenterOfGravity() - ZORMathPoint();
    const double weight = cell->GetMeasure();
    plain = plain + centre;
    ++count;
    if (std::isfinite(weight) && weight > 0.0) {
      weighted = weighted + weight * centre;
      total += weight;
    }
  }
  if (total > 0.0) return ZORMathPoint() + (1.0 / total) * weighted;
  return count ? ZORMathPoint() + (1.0 / count) * plain : ZORMathPoint();
}
