#pragma once
// The geometric result of a feature. For now a body is a point, a segment or a plane; later
// bodies grow domains and cells behind the same handle. A body is not changed once built: an
// update builds a new one.

#include <optional>
#include <string>
#include <vector>

#include "ZORMathPlane.h"
#include "ZORVar.h"

class ZORBody : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORBody, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORBody() = default;
  static ZORVar<ZORBody> MakePoint(const ZORMathPoint& point);
  static ZORVar<ZORBody> MakeSegment(const ZORMathPoint& start, const ZORMathPoint& end);
  static ZORVar<ZORBody> MakePlane(const ZORMathPlane& plane);

  // 0 for a point, 1 for a segment, 2 for a plane; -1 for an empty body.
  int GetHighestDimension() const { return dimension_; }
  // 1 when the body holds geometry a command can hand on (it is not empty), 0 otherwise.
  int HasGeometry() const { return dimension_ >= 0 ? 1 : 0; }
  // Points: the point; segments: both ends.
  const std::vector<ZORMathPoint>& GetVertices() const { return vertices_; }
  // The carrying line of a segment with the parameters of its ends.
  bool GetLine(ZORMathLine& line, double& start, double& end) const;
  bool GetPlane(ZORMathPlane& plane) const;

  // A short stable text: "point(1,2,3)", "segment(0,0,0)-(1,0,0)", "plane(0,0,0 n=0,0,1)".
  std::string Describe() const;

 private:
  int dimension_ = -1;
  std::vector<ZORMathPoint> vertices_;
  std::optional<ZORMathPlane> plane_;
};

using ZORBody_var = ZORVar<ZORBody>;
