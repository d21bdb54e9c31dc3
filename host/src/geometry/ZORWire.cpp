#include "ZORWire.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Positions of cells in their body, 32 bits wide: the tables below stay small for long wires.
using Index = std::uint32_t;

constexpr Index kNone = static_cast<Index>(-1);

// What chaining needs of one cell, by position. A vertex: the edges at it, at most two. An edge:
// its start and end vertices and its curve. One table for both keeps a long wire's chaining to
// one allocation and one pass.
struct Slot {
  std::array<Index, 2> links{kNone, kNone};
  Index count = 0;
  ZORCurve* curve = nullptr;
  Index Other(Index edge) const {
    for (Index i = 0; i < count; ++i) {
      if (links[i] != edge) return links[i];
    }
    return kNone;
  }
};

}  // namespace

ZORVar<ZORWire> ZORWire::FromBody(const ZORBody& body) {
  // The body's table of edge ends: chaining reads no cell, which on long wires is most of the
  // memory a walk would touch.
  const auto& edges = body.GetEdgeEnds();
  if (edges.size() >= kNone) return nullptr;
  std::vector<Slot> slots(edges.size());
  std::size_t edgeCount = 0;
  Index first = kNone;
  for (Index e = 0; e < edges.size(); ++e) {
    const ZORBody::EdgeEnds& edge = edges[e];
    if (!edge.curve) continue;
    ++edgeCount;
    if (first == kNone) first = e;
    slots[e].links = {edge.start, edge.end};
    slots[e].curve = edge.curve;
    for (const Index vertex : {edge.start, edge.end}) {
      Slot& at = slots[vertex];
      if (at.count == 2) return nullptr;  // a branch
      at.links[at.count++] = e;
    }
  }
  if (edgeCount == 0) return nullptr;
  // An open chain starts at a vertex with one edge; a closed one anywhere.
  Index start = slots[first].links[0];
  for (Index v = 0; v < slots.size(); ++v) {
    if (slots[v].count == 1) {
      start = v;
      first = slots[v].links[0];
      break;
    }
  }
  auto wire = ZORMake<ZORWire>();
  wire->body_ = const_cast<ZORBody*>(&body);  // a reference held, nothing of it changed
  wire->pieces_.reserve(edgeCount);
  Index vertex = start;
  Index edge = first;
  while (edge != kNone && wire->pieces_.size() < edgeCount) {
    const Slot& slot = slots[edge];
    const bool reversed = slot.links[0] != vertex;
    wire->pieces_.push_back({slot.curve, reversed});
    vertex = slot.links[reversed ? 0 : 1];
    edge = slots[vertex].Other(edge);
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
