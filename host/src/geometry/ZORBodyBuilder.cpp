#include "ZORBodyBuilder.h"

#include <algorithm>
#include <cmath>

ZORBodyBuilder::ZORBodyBuilder(ZORBody_var body) : body_(std::move(body)) {}

bool ZORBodyBuilder::IsFinite(const ZORMathPoint& p) {
  return std::isfinite(p.GetX()) && std::isfinite(p.GetY()) && std::isfinite(p.GetZ());
}

ZORCell* ZORBodyBuilder::Add(int dimension, ZORBaseUnknown_var geometry) {
  const int number = static_cast<int>(body_->cells_.size()) + 1;
  body_->cells_.push_back(ZORMake<ZORCell>(dimension, std::move(geometry), number));
  body_->edgeEnds_.emplace_back();
  body_->dimension_ = std::max(body_->dimension_, dimension);
  partition_.Add();
  return body_->cells_.back().get();
}

void ZORBodyBuilder::Bound(ZORCell& cell, ZORCell& boundary) {
  cell.AddBoundary(boundary);
  partition_.Join(static_cast<std::uint32_t>(cell.GetNumber() - 1),
                  static_cast<std::uint32_t>(boundary.GetNumber() - 1));
}

ZORCell* ZORBodyBuilder::AddVertex(const ZORMathPoint& point) {
  if (!IsFinite(point)) {
    failed_ = true;
    return nullptr;
  }
  body_->vertices_.push_back(point);
  return Add(0, ZORMake<ZORPoint>(point));
}

ZORCell* ZORBodyBuilder::AddEdge(const ZORCurve_var& curve, ZORCell* start, ZORCell* end) {
  const double length = curve ? curve->GetLength() : 0.0;
  if (!curve || !start || !end || !(length > 0.0) || !std::isfinite(length) ||
      !IsFinite(curve->StartPoint()) || !IsFinite(curve->EndPoint())) {
    failed_ = true;
    return nullptr;
  }
  ZORCell* edge = Add(1, curve);
  Bound(*edge, *start);
  Bound(*edge, *end);
  body_->edgeEnds_.back() = {static_cast<std::uint32_t>(start->GetNumber() - 1),
                             static_cast<std::uint32_t>(end->GetNumber() - 1), curve.get()};
  return edge;
}

ZORCell* ZORBodyBuilder::AddChain(const std::vector<ZORCurve_var>& curves, bool closed) {
  if (curves.empty()) return nullptr;
  ZORCell* first = AddVertex(curves.front()->StartPoint());
  ZORCell* previous = first;
  ZORCell* edge = nullptr;
  for (std::size_t i = 0; i < curves.size() && previous; ++i) {
    const bool last = i + 1 == curves.size();
    ZORCell* end = last && closed ? first : AddVertex(curves[i]->EndPoint());
    edge = AddEdge(curves[i], previous, end);
    previous = end;
  }
  return failed_ ? nullptr : edge;
}

ZORCell* ZORBodyBuilder::VertexAt(const ZORMathPoint& point, const std::vector<ZORCell*>& near,
                                  double tolerance) {
  for (ZORCell* vertex : near) {
    if (vertex->GetPoint()->GetPoint().DistanceTo(point) <= tolerance) return vertex;
  }
  return AddVertex(point);
}

ZORCell* ZORBodyBuilder::AddFace(const ZORSurface_var& surface, double tolerance) {
  if (!surface || !IsFinite(surface->GetCentroid())) {
    failed_ = true;
    return nullptr;
  }
  // Boundary first, so that a face's corners and edges come before it.
  std::vector<ZORCell*> corners;
  std::vector<ZORCell*> edges;
  for (const ZORCurve_var& curve : surface->Boundary()) {
    ZORCell* start = VertexAt(curve->StartPoint(), corners, tolerance);
    if (start && std::find(corners.begin(), corners.end(), start) == corners.end()) {
      corners.push_back(start);
    }
    ZORCell* end = VertexAt(curve->EndPoint(), corners, tolerance);
    if (end && std::find(corners.begin(), corners.end(), end) == corners.end()) {
      corners.push_back(end);
    }
    edges.push_back(AddEdge(curve, start, end));
  }
  if (failed_) return nullptr;
  ZORCell* face = Add(2, surface);
  for (ZORCell* edge : edges) Bound(*face, *edge);
  return face;
}

ZORCell* ZORBodyBuilder::AddCopyOf(const ZORCell& cell) {
  if (const ZORPoint* point = cell.GetPoint()) return AddVertex(point->GetPoint());
  if (ZORSurface* surface = cell.GetSurface()) return AddFace(surface);
  ZORCurve* curve = cell.GetCurve();
  if (!curve) return nullptr;
  const auto& ends = cell.GetBoundary();
  const bool closed = ends.size() == 2 && ends[0] == ends[1];
  return AddChain({curve}, closed);
}

ZORBody_var ZORBodyBuilder::Finish() {
  if (failed_ || !body_) return nullptr;
  body_->domainOf_ = partition_.Number(body_->domainCount_);
  return std::move(body_);
}
