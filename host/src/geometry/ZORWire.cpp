#include "ZORWire.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Positions of cells in their body, 32 bits wide: the tables below stay small for long wires.
using Index = std::uint32_t;

Index Position(const ZORCell& cell) {
  return static_cast<Index>(cell.GetNumber() - 1);
}

constexpr Index kNone = static_cast<Index>(-1);

// The edges at one vertex of a chain, by position: at most two, kept inline so that chaining a
// long wire allocates once, not once per vertex.
struct EdgesAt {
  std::array<Index, 2> edges{kNone, kNone};
  Index count = 0;
  Index Other(Index edge) const {
    for (Index i = 0; i < count; ++i) {
      if (edges[i] != edge) return edges[i];
    }
    return kNone;
  }
};

}  // namespace

ZORVar<ZORWire> ZORWire::FromBody(const ZORBody& body) {
  const auto& cells = body.GetCells();
  if (cells.size() >= kNone) return nullptr;
  // The edges at each vertex, and the vertices of each edge, by position: the walk below then
  // reads no cell but the edges it chains. A vertex with three edges is a branch.
  std::vector<EdgesAt> edgesAt(cells.size());
  std::vector<std::array<Index, 2>> ends(cells.size());
  std::size_t edgeCount = 0;
  Index first = kNone;
  for (Index e = 0; e < cells.size(); ++e) {
    const ZORCell& cell = *cells[e];
    if (cell.GetDimension() != 1 || cell.GetBoundary().empty()) continue;
    ++edgeCount;
    if (first == kNone) first = e;
    const auto& boundary = cell.GetBoundary();
    ends[e] = {Position(*boundary.front()), Position(*boundary.back())};
    for (const ZORCell_var& vertex : boundary) {
      EdgesAt& at = edgesAt[Position(*vertex)];
      if (at.count == 2) return nullptr;
      at.edges[at.count++] = e;
    }
  }
  if (edgeCount == 0) return nullptr;
  // An open chain starts at a vertex with one edge; a closed one anywhere.
  Index start = ends[first][0];
  for (Index v = 0; v < edgesAt.size(); ++v) {
    if (edgesAt[v].count == 1) {
      start = v;
      first = edgesAt[v].edges[0];
      break;
    }
  }
  auto wire = ZORMake<ZORWire>();
  wire->pieces_.reserve(edgeCount);
  Index vertex = start;
  Index edge = first;
  while (edge != kNone && wire->pieces_.size() < edgeCount) {
    const bool reversed = ends[edge][0] != vertex;
    wire->pieces_.push_back({cells[edge]->GetCurve(), reversed});
    vertex = ends[edge][reversed ? 0 : 1];
    edge = edgesAt[vertex].Other(edge);
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

namespace {

// The length from the curve's start to its parameter `t`: lengths grow with parameters, so the
// one whose parameter is `t` is found by halving.
double LengthToParam(const ZORCurve& curve, double t) {
  double low = 0.0;
  double high = curve.GetLength();
  for (int i = 0; i < 60 && high - low > 1e-12; ++i) {
    const double middle = 0.5 * (low + high);
    (curve.ParamAtLength(middle) < t ? low : high) = middle;
  }
  return 0.5 * (low + high);
}

}  // namespace

double ZORWire::LengthTo(const ZORMathPoint& point) const {
  double before = 0.0;
  double best = 0.0;
  double nearest = -1.0;
  for (const Piece& piece : pieces_) {
    const ZORCurve& curve = *piece.curve;
    const double t = curve.Clamp(curve.Closest(point));
    const double distance = curve.Eval(t).DistanceTo(point);
    const double own = curve.GetLength();
    if (nearest < 0.0 || distance < nearest) {
      const double along = LengthToParam(curve, t);
      nearest = distance;
      best = before + (piece.reversed ? own - along : along);
    }
    before += own;
  }
  return best;
}
