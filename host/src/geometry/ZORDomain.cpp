#include "ZORDomain.h"

#include "ZORCellSet.h"

ZORDomain::ZORDomain(int number, std::vector<ZORCell_var> cells)
    : number_(number), cells_(std::move(cells)) {}

void ZORDomain::GetCells(int dimension, ZORListPtrZORCell& cells) const {
  for (const ZORCell_var& cell : cells_) {
    if (cell->GetDimension() == dimension) cells.Append(cell.get());
  }
}

int ZORDomain::GetHighestDimension() const {
  return ZORCellSet::HighestDimension(cells_);
}

ZORMathPoint ZORDomain::GetCenterOfGravity() const {
  return ZORCellSet::CenterOfGravity(cells_);
}

std::string ZORDomain::Describe() const {
  return "domain " + std::to_string(number_) + ": " + std::to_string(ZORCellSet::Count(cells_, 0)) +
         " vertices, " + std::to_string(ZORCellSet::Count(cells_, 1)) + " edges, " +
         std::to_string(ZORCellSet::Count(cells_, 2)) + " faces";
}
