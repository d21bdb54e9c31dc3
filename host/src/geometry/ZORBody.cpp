#include "ZORBody.h"

#include "ZORString.h"

namespace {

std::string Coordinates(double x, double y, double z) {
  return ZORString::Format("%g,%g,%g", x, y, z).str();
}

std::string Coordinates(const ZORMathPoint& p) {
  return Coordinates(p.GetX(), p.GetY(), p.GetZ());
}

}  // namespace

ZORVar<ZORBody> ZORBody::MakePoint(const ZORMathPoint& point) {
  auto body = ZORMake<ZORBody>();
  body->dimension_ = 0;
  body->vertices_ = {point};
  return body;
}

ZORVar<ZORBody> ZORBody::MakeSegment(const ZORMathPoint& start, const ZORMathPoint& end) {
  auto body = ZORMake<ZORBody>();
  body->dimension_ = 1;
  body->vertices_ = {start, end};
  return body;
}

ZORVar<ZORBody> ZORBody::MakePlane(const ZORMathPlane& plane) {
  auto body = ZORMake<ZORBody>();
  body->dimension_ = 2;
  body->plane_ = plane;
  return body;
}

bool ZORBody::GetLine(ZORMathLine& line, double& start, double& end) const {
  if (dimension_ != 1) return false;
  line = ZORMathLine(vertices_[0], vertices_[1] - vertices_[0]);
  start = 0.0;
  end = vertices_[0].DistanceTo(vertices_[1]);
  return true;
}

bool ZORBody::GetPlane(ZORMathPlane& plane) const {
  if (!plane_) return false;
  plane = *plane_;
  return true;
}

std::string ZORBody::Describe() const {
  switch (dimension_) {
    case 0:
      return "point(" + Coordinates(vertices_[0]) + ")";
    case 1:
      return "segment(" + Coordinates(vertices_[0]) + ")-(" + Coordinates(vertices_[1]) + ")";
    case 2: {
      const ZORMathVector n = plane_->GetNormal();
      return "plane(" + Coordinates(plane_->GetOrigin()) +
             " n=" + Coordinates(n.GetX(), n.GetY(), n.GetZ()) + ")";
    }
    default:
      return "empty";
  }
}
