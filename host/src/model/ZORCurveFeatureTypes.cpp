// The feature kinds made from points: "WENPolyline" (an open chain of segments through its
// points), "WENArc" (the circle arc through three points), "WENCylinder" (a cylinder patch
// around the axis from "Start" to "End", of value "Radius", between the values "StartAngle"
// and "EndAngle" in degrees, 0 and 360 when not given) and "WENCloud" (a point cloud).
// Degenerate input fails the update with a diagnostic and never builds a body.

#include <cmath>
#include <numbers>

#include "ZORBodyBuilder.h"
#include "ZORCircle.h"
#include "ZORCldBody.h"
#include "ZORCylinder.h"
#include "ZORFeature.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORLine.h"

namespace {

// Below this length two points are one point.
constexpr double kLengthTolerance = 1e-6;
constexpr int kMostPoints = 64;

bool Built(ZORBody_var built, ZORBody_var& body, std::string& diagnostic) {
  if (!built) {
    diagnostic = "The geometry cannot be built from these inputs";
    return false;
  }
  body = built;
  return true;
}

bool ComputePolyline(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  std::vector<ZORMathPoint> points;
  if (!ZORFeatureGeometry::Points(f, "Point", 2, points, diagnostic)) return false;
  std::vector<ZORCurve_var> segments;
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i - 1].DistanceTo(points[i]) < kLengthTolerance) {
      diagnostic = "Points " + std::to_string(i) + " and " + std::to_string(i + 1) + " coincide";
      return false;
    }
    segments.push_back(ZORMake<ZORLine>(points[i - 1], points[i]));
  }
  ZORBodyBuilder builder;
  builder.AddChain(segments, false);
  return Built(builder.Finish(), body, diagnostic);
}

bool ComputeArc(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  std::vector<ZORMathPoint> p;
  if (!ZORFeatureGeometry::Points(f, "Point", 3, p, diagnostic)) return false;
  ZORCircle_var arc;
  if (!ZORCircle::ThroughThreePoints(p[0], p[1], p[2], kLengthTolerance, arc)) {
    const bool coincide = p[0].DistanceTo(p[1]) < kLengthTolerance ||
                          p[1].DistanceTo(p[2]) < kLengthTolerance ||
                          p[0].DistanceTo(p[2]) < kLengthTolerance;
    diagnostic = coincide ? "Two of the three points coincide"
                          : "The three points are aligned: no arc passes through them";
    return false;
  }
  ZORBodyBuilder builder;
  builder.AddChain({arc}, false);
  return Built(builder.Finish(), body, diagnostic);
}

// A reference direction across `axis`: the world axis least along it (X, then Y, then Z on a
// tie), made square to it.
ZORMathVector Across(const ZORMathVector& axis) {
  const ZORMathVector x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
  const double ax = std::abs(axis.GetX()), ay = std::abs(axis.GetY()), az = std::abs(axis.GetZ());
  const ZORMathVector pick = ax <= ay && ax <= az ? x : (ay <= az ? y : z);
  return (pick - pick.Dot(axis) * axis).Normalized();
}

bool ComputeCylinder(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORMathPoint start, end;
  if (!ZORFeatureGeometry::Point(f, "Start", start, diagnostic) ||
      !ZORFeatureGeometry::Point(f, "End", end, diagnostic)) {
    return false;
  }
  if (start.DistanceTo(end) < kLengthTolerance) {
    diagnostic = "The axis start and end points coincide";
    return false;
  }
  const double radius = f.GetValue("Radius");
  if (!(radius >= kLengthTolerance) || !std::isfinite(radius)) {
    diagnostic = "The radius must be positive";
    return false;
  }
  const double from = f.GetValue("StartAngle", 0.0), to = f.GetValue("EndAngle", 360.0);
  if (!(to > from) || !(to - from <= 360.0) || !std::isfinite(from)) {
    diagnostic = "The angles must span more than 0 and at most 360 degrees";
    return false;
  }
  const double degree = std::numbers::pi / 180.0;
  ZORBodyBuilder builder;
  builder.AddFace(ZORMake<ZORCylinder>(start, end, Across((end - start).Normalized()), radius,
                                       from * degree, to * degree),
                  kLengthTolerance);
  return Built(builder.Finish(), body, diagnostic);
}

bool ComputeCloud(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  std::vector<ZORMathPoint> points;
  if (!ZORFeatureGeometry::Points(f, "Point", 1, points, diagnostic)) return false;
  return Built(ZORCldBody::Make(points), body, diagnostic);
}

const bool registered = [] {
  auto& registry = ZORFeatureTypeRegistry::Get();
  const auto points = ZORFeatureGeometry::NumberedRoles("Point", kMostPoints);
  registry.Register({"WENPolyline", "Polyline", "GeometricalElement3D",
                     ZORFeatureGeometry::Interfaces(1), points, ComputePolyline});
  registry.Register({"WENArc", "Arc", "GeometricalElement3D", ZORFeatureGeometry::Interfaces(1),
                     ZORFeatureGeometry::NumberedRoles("Point", 3), ComputeArc});
  registry.Register({"WENCylinder",
                     "Cylinder",
                     "GeometricalElement3D",
                     ZORFeatureGeometry::Interfaces(2),
                     {"Start", "End"},
                     ComputeCylinder});
  registry.Register({"WENCloud", "Cloud", "GeometricalElement3D", ZORFeatureGeometry::Interfaces(0),
                     points, ComputeCloud});
  return true;
}();

}  // namespace
