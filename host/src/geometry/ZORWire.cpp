#include "ZORWire.h"

#include <algorithm>

namespace {

std::size_t Position(const ZORCell& cell) {
  return static_cast<std::size_t>(cell.GetNumber()) - 1;
}

}  // namespace

ZORVar<ZORWire> ZORWire::FromBody(const ZORBody& body) {
  const auto& cells = body.GetCells();
  // The edges at each vertex; a vertex with three is a branch.
  std::vector<std::vector<const ZORCell*>> edgesAt(cells.size());
  std::size_t edgeCount = 0;
  for (const ZORCell_var& cell : cells) {
    if (cell->GetDimension() != 1) continue;
    ++edgeCount;
    for (const ZORCell_var& vertex : cell->GetBoundary()) {
      auto& at = edgesAt[Position(*vertex)];
      if (at.size() == 2) return nullptr;
      at.push_back(cell.get());
    }
  }
  if (edgeCount == 0) return nullptr;
  // An open chain starts at a vertex with one edge; a closed one anywhere.
  const ZORCell* first = body.GetCellOfDimension(1, 1);
  const ZORCell* start = first->GetBoundary()[0].get();
  for (std::size_t v = 0; v < edgesAt.size(); ++v) {
    if (edgesAt[v].size() == 1) {
      start = cells[v].get();
      first = edgesAt[v][0];
      break;
    }
  }
  auto wire = ZORMake<ZORWire>();
  const ZORCell* vertex = start;
  const ZORCell* edge = first;
  while (edge && wire->pieces_.size() < edgeCount) {
    const bool reversed = edge->GetBoundary()[0].get() != vertex;
    wire->pieces_.push_back({edge->GetCurve(), reversed});
    vertex = edge->GetBoundary()[reversed ? 0 : 1].get();
    const auto& at = edgesAt[Position(*vertex)];
    const ZORCell* next = nullptr;
    for (const ZORCell* other : at) {
      if (other != edge) next = other;
    }
    edge = next;
  }
  if (wire->pieces_.size() != edgeCount) return nullptr;  // pieces apart
  wire->closed_ = vertex == start;
  return wire;
}

double ZORWire::GetLength() const {
  double length = 0.0;
  for (const Piece& piece : pieces_) length += piece.curve->GetLength();
  return length;
}

ZORMathPoint ZORWire::StartOf(std::size_t i) const {
  const Piece& p = pieces_[i];
  return p.reversed ? p.curve->EndPoint() : p.curve->StartPoint();
}

ZORMathPoint ZORWire::EndOf(std::size_t i) const {
  const Piece& p = pieces_[i];
  return p.reversed ? p.curve->StartPoint() : p.curve->EndPoint();
}

ZORMathVector ZORWire::StartTangentOf(std::size_t i) const {
  const Piece& p = pieces_[i];
  return p.reversed ? -p.curve->Tangent(p.curve->GetEndParam())
                    : p.curve->Tangent(p.curve->GetStartParam());
}

ZORMathVector ZORWire::EndTangentOf(std::size_t i) const {
  const Piece& p = pieces_[i];
  return p.reversed ? -p.curve->Tangent(p.curve->GetStartParam())
                    : p.curve->Tangent(p.curve->GetEndParam());
}

void ZORWire::PointAtLength(double length, ZORMathPoint& point, ZORMathVector& tangent) const {
  length = std::clamp(length, 0.0, GetLength());
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    const ZORCurve& curve = *pieces_[i].curve;
    const double own = curve.GetLength();
    if (length > own && i + 1 < pieces_.size()) {
      length -= own;
      continue;
    }
    const bool reversed = pieces_[i].reversed;
    const double t = curve.ParamAtLength(reversed ? own - length : length);
    point = curve.Eval(t);
    tangent = reversed ? -curve.Tangent(t) : curve.Tangent(t);
    return;
  }
}
