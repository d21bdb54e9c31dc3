#include "ZORBody.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ZORBodyBuilder.h"
#include "ZORCellSet.h"
#include "ZORGeometryText.h"
#include "ZORLine.h"
#include "ZORPlane.h"

ZORVar<ZORBody> ZORBody::MakePoint(const ZORMathPoint& point) {
  if (!ZORBodyBuilder::IsFinite(point)) return nullptr;
  auto body = ZORMake<ZORBody>();
  body->vertices_ = {point};
  body->dimension_ = 0;
  body->pending_ = Pending::kPoint;
  return body;
}

ZORVar<ZORBody> ZORBody::MakeSegment(const ZORMathPoint& start, const ZORMathPoint& end) {
  // The refusals of the builder, checked now since the cells come later.
  const double length = start.DistanceTo(end);
  if (!ZORBodyBuilder::IsFinite(start) || !ZORBodyBuilder::IsFinite(end) || !(length > 0.0) ||
      !std::isfinite(length)) {
    return nullptr;
  }
  auto body = ZORMake<ZORBody>();
  body->vertices_ = {start, end};
  body->dimension_ = 1;
  body->pending_ = Pending::kSegment;
  return body;
}

const std::vector<ZORCell_var>& ZORBody::BuiltCells() const {
  if (pending_ == Pending::kNone) return cells_;
  ZORBodyBuilder builder;
  ZORCell* a = builder.AddVertex(vertices_[0]);
  if (pending_ == Pending::kSegment) {
    ZORCell* b = builder.AddVertex(vertices_[1]);
    builder.AddEdge(ZORMake<ZORLine>(vertices_[0], vertices_[1]), a, b);
  }
  pending_ = Pending::kNone;
  // The builder checked nothing new: these ends passed the same checks when the body was made.
  ZORBody_var built = builder.Finish();
  cells_ = std::move(built->cells_);
  edgeEnds_ = std::move(built->edgeEnds_);
  domainOf_ = std::move(built->domainOf_);
  domainCount_ = built->domainCount_;
  return cells_;
}

const std::vector<ZORDomain_var>& ZORBody::Domains() const {
  const auto& cells = BuiltCells();
  if (domains_.size() == domainCount_) return domains_;
  std::vector<std::vector<ZORCell_var>> pieces(domainCount_);
  for (std::size_t i = 0; i < cells.size(); ++i) pieces[domainOf_[i]].push_back(cells[i]);
  domains_.reserve(domainCount_);
  for (std::size_t d = 0; d < domainCount_; ++d) {
    domains_.push_back(ZORMake<ZORDomain>(static_cast<int>(d) + 1, std::move(pieces[d])));
  }
  return domains_;
}

int ZORBody::GetNumberOfDomains() const {
  BuiltCells();
  return static_cast<int>(domainCount_);
}

ZORVar<ZORBody> ZORBody::MakePlane(const ZORMathPlane& plane) {
  ZORBodyBuilder builder;
  builder.AddFace(ZORMake<ZORPlane>(plane));
  return builder.Finish();
}

bool ZORBody::GetLine(ZORMathLine& line, double& start, double& end) const {
  if (pending_ == Pending::kSegment) {
    // The line its edge will carry, without building the edge.
    line = ZORMathLine(vertices_[0], vertices_[1] - vertices_[0]);
    start = 0.0;
    end = vertices_[0].DistanceTo(vertices_[1]);
    return true;
  }
  if (dimension_ != 1 || GetCellCount(1) != 1) return false;
  const auto* straight = dynamic_cast<const ZORLine*>(GetCellOfDimension(1, 1)->GetCurve());
  if (!straight) return false;
  line = straight->GetMathLine();
  start = straight->GetStartParam();
  end = straight->GetEndParam();
  return true;
}

bool ZORBody::GetPlane(ZORMathPlane& plane) const {
  ZORCell* face = GetCellOfDimension(2, 1);
  const auto* flat = face ? dynamic_cast<const ZORPlane*>(face->GetSurface()) : nullptr;
  if (!flat) return false;
  plane = flat->GetMathPlane();
  return true;
}

ZORCell* ZORBody::GetCell(int number) const {
  const auto& cells = BuiltCells();
  if (number < 1 || number > static_cast<int>(cells.size())) return nullptr;
  return cells[static_cast<std::size_t>(number) - 1].get();
}

void ZORBody::GetCells(int dimension, ZORListPtrZORCell& cells) const {
  if (dimension == -1) dimension = dimension_;
  for (const ZORCell_var& cell : BuiltCells()) {
    if (cell->GetDimension() == dimension) cells.Append(cell.get());
  }
}

ZORCell* ZORBody::GetCellOfDimension(int dimension, int index) const {
  for (const ZORCell_var& cell : BuiltCells()) {
    if (cell->GetDimension() == dimension && --index == 0) return cell.get();
  }
  return nullptr;
}

int ZORBody::GetCellCount(int dimension) const {
  return ZORCellSet::Count(BuiltCells(), dimension);
}

ZORDomain* ZORBody::GetDomain(int index) const {
  if (index < 1 || index > GetNumberOfDomains()) return nullptr;
  return Domains()[static_cast<std::size_t>(index) - 1].get();
}

bool ZORBody::GetBoundingBox(ZORMathPoint& centre, double& diagonal) const {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  double low[3] = {kInf, kInf, kInf}, high[3] = {-kInf, -kInf, -kInf};
  auto take = [&](const ZORMathPoint& p) {
    const double c[3] = {p.GetX(), p.GetY(), p.GetZ()};
    for (int i = 0; i < 3; ++i) low[i] = std::min(low[i], c[i]), high[i] = std::max(high[i], c[i]);
  };
  auto takeCurve = [&](const ZORCurve& curve) {
    for (const ZORMathPoint& p : curve.Tessellate(curve.DrawingTolerance())) take(p);
  };
  for (const ZORCell_var& cell : BuiltCells()) {
    if (const ZORPoint* point = cell->GetPoint()) take(point->GetPoint());
    if (const ZORCurve* curve = cell->GetCurve()) takeCurve(*curve);
    const ZORSurface* surface = cell->GetSurface();
    if (surface && !surface->IsBounded()) return false;
    // A patch's extremes lie on its boundary (planes and cylinders are ruled along it).
    if (surface) {
      for (const ZORCurve_var& edge : surface->Boundary()) takeCurve(*edge);
    }
  }
  if (low[0] > high[0]) return false;
  centre = ZORMathPoint((low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2);
  diagonal = std::hypot(high[0] - low[0], high[1] - low[1], high[2] - low[2]);
  return true;
}

ZORMathPoint ZORBody::GetCenterOfGravity() const {
  return ZORCellSet::CenterOfGravity(BuiltCells());
}

std::string ZORBody::Describe() const {
  // A pending point or segment is described without its cells.
  if (pending_ == Pending::kPoint) return "point(" + ZORGeometryText::Point(vertices_[0]) + ")";
  if (pending_ == Pending::kSegment) {
    return "segment(" + ZORGeometryText::Point(vertices_[0]) + ")-(" +
           ZORGeometryText::Point(vertices_[1]) + ")";
  }
  const int vertices = GetCellCount(0), edges = GetCellCount(1), faces = GetCellCount(2);
  if (dimension_ < 0) return "empty";
  if (cells_.size() == 1 && vertices == 1) {
    return "point(" + ZORGeometryText::Point(vertices_[0]) + ")";
  }
  if (faces == 1 && GetNumberOfDomains() == 1) {
    return GetCellOfDimension(2, 1)->GetSurface()->Describe();
  }
  if (faces == 0 && edges == 1 && vertices <= 2) {
    const ZORCurve* curve = GetCellOfDimension(1, 1)->GetCurve();
    // The vertices hold the ends as given; the line evaluated there may round.
    if (curve->IsLinear() && vertices == 2) {
      return "segment(" + ZORGeometryText::Point(vertices_[0]) + ")-(" +
             ZORGeometryText::Point(vertices_[1]) + ")";
    }
    return curve->Describe();
  }
  if (faces == 0 && edges > 1 && GetNumberOfDomains() == 1 && vertices <= edges + 1) {
    double length = 0.0;
    for (const ZORCell_var& cell : cells_) length += cell->GetMeasure();
    return "wire(" + std::to_string(edges) + " edges, " + (vertices == edges ? "closed" : "open") +
           ", length=" + ZORGeometryText::Number(length) + ")";
  }
  return "body(" + std::to_string(vertices) + " vertices, " + std::to_string(edges) + " edges, " +
         std::to_string(faces) + " faces, " + std::to_string(GetNumberOfDomains()) + " domains)";
}

std::vector<std::string> ZORBody::DescribeCells() const {
  std::vector<std::string> lines;
  const auto& cells = BuiltCells();
  const auto& domains = Domains();
  lines.reserve(cells.size() + domains.size());
  for (const ZORCell_var& cell : cells) lines.push_back(cell->Describe());
  for (const ZORDomain_var& domain : domains) lines.push_back(domain->Describe());
  return lines;
}
