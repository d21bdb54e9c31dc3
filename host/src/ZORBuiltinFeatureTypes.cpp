#include "ZORBuiltinFeatureTypes.h"

#include "LifeCycleObject.h"
#include "ZORFeature.h"
#include "ZORIBasicTool.h"
#include "ZORIDescendants.h"
#include "ZORIGraphicProperties.h"
#include "ZORILineicGraphicProperties.h"
#include "ZORIMeshGraphicProperties.h"
#include "ZORIMfLine.h"
#include "ZORIMfPlane.h"
#include "ZORIMfPoint.h"
#include "ZORIModelEvents.h"
#include "ZORIPathAccess.h"
#include "ZORIPointGraphicProperties.h"
#include "ZORIPrtContainer.h"
#include "ZORIUpdateError.h"
#include "ZORIVisProperties.h"

namespace {

// Below this length two points are one point, and below this sine two directions are one.
constexpr double kLengthTolerance = 1e-6;
constexpr double kAngleTolerance = 1e-9;

// What every feature in the tree offers.
std::vector<IID> TreeInterfaces() {
  return {ZORISpecObject::ClassIID(),        ZORIVisProperties::ClassIID(),
          ZORIGraphicProperties::ClassIID(), ZORIModelEvents::ClassIID(),
          ZORIPathAccess::ClassIID(),        LifeCycleObject::ClassIID()};
}

std::vector<IID> With(std::vector<IID> interfaces, std::initializer_list<IID> more) {
  interfaces.insert(interfaces.end(), more);
  return interfaces;
}

// The input body of `role`, of dimension `dimension`; null with a diagnostic otherwise.
ZORBody_var InputBody(const ZORFeature& feature, const std::string& role, int dimension,
                      std::string& diagnostic) {
  const ZORFeature* input = feature.GetInput(role);
  if (!input) {
    diagnostic = "Input " + role + " is missing";
    return nullptr;
  }
  ZORBody_var body = input->GetResultBody();
  if (!body || body->GetHighestDimension() != dimension) {
    diagnostic = "Input " + role + " (" + input->GetDisplayNameText() + ") has no suitable result";
    return nullptr;
  }
  return body;
}

bool ComputePoint(const ZORFeature& f, ZORBody_var& body, std::string&) {
  body = ZORBody::MakePoint({f.GetValue("X"), f.GetValue("Y"), f.GetValue("Z")});
  return true;
}

bool ComputeLine(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORBody_var start = InputBody(f, "Start", 0, diagnostic);
  ZORBody_var end = start ? InputBody(f, "End", 0, diagnostic) : nullptr;
  if (!end) return false;
  const ZORMathPoint& a = start->GetVertices()[0];
  const ZORMathPoint& b = end->GetVertices()[0];
  if (a.DistanceTo(b) < kLengthTolerance) {
    diagnostic = "The start and end points coincide";
    return false;
  }
  body = ZORBody::MakeSegment(a, b);
  return true;
}

bool ComputePlane(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORMathPoint p[3];
  for (int i = 0; i < 3; ++i) {
    ZORBody_var input = InputBody(f, "Point" + std::to_string(i + 1), 0, diagnostic);
    if (!input) return false;
    p[i] = input->GetVertices()[0];
  }
  const ZORMathVector u = p[1] - p[0];
  const ZORMathVector v = p[2] - p[0];
  if (u.Norm() < kLengthTolerance || u.Cross(v).Norm() < kLengthTolerance * v.Norm()) {
    diagnostic = "The three points are aligned";
    return false;
  }
  body = ZORBody::MakePlane(ZORMathPlane(p[0], u, v));
  return true;
}

bool ComputeIntersect(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORBody_var lineBody = InputBody(f, "Element1", 1, diagnostic);
  ZORBody_var planeBody = lineBody ? InputBody(f, "Element2", 2, diagnostic) : nullptr;
  if (!planeBody) return false;
  ZORMathLine line;
  ZORMathPlane plane;
  double start = 0.0, end = 0.0, u = 0.0, v = 0.0;
  lineBody->GetLine(line, start, end);
  planeBody->GetPlane(plane);
  if (!plane.Intersect(line, u, v, kAngleTolerance)) {
    diagnostic = "The line is parallel to the plane\nNo intersection can be computed";
    return false;
  }
  body = ZORBody::MakePoint(plane.EvalPoint(u, v));
  return true;
}

ZORFeatureType::Description Tool(const char* name, const char* display, bool basic) {
  std::vector<IID> interfaces = With(TreeInterfaces(), {ZORIDescendants::ClassIID()});
  if (basic) interfaces.push_back(ZORIBasicTool::ClassIID());
  return {name, display, "Tool", interfaces, {}, nullptr};
}

}  // namespace

std::vector<ZORFeatureType::Description> ZORBuiltinFeatureTypes() {
  // Geometric features aggregate the features made in their context (a point created for an
  // input of a line), hence their descendants.
  const std::vector<IID> geometric =
      With(TreeInterfaces(), {ZORIUpdateError::ClassIID(), ZORIDescendants::ClassIID()});
  return {
      {"ZORFeatCont", "Container", "", {ZORIPrtContainer::ClassIID()}, {}, nullptr},
      {"MechanicalPart",
       "Part",
       "",
       {ZORISpecObject::ClassIID(), ZORIDescendants::ClassIID(), ZORIPrtPart::ClassIID(),
        ZORIModelEvents::ClassIID(), ZORIPathAccess::ClassIID()},
       {},
       nullptr},
      Tool("Body", "Body", true),
      Tool("GeometricalSet", "Geometrical Set", true),
      Tool("ShapeBody", "Shape Body", false),
      {"WENPoint",
       "Point",
       "GeometricalElement3D",
       With(geometric, {ZORIPointGraphicProperties::ClassIID(), ZORIMfPoint::ClassIID()}),
       {},
       ComputePoint},
      {"WENLine",
       "Line",
       "GeometricalElement3D",
       With(geometric, {ZORILineicGraphicProperties::ClassIID(), ZORIMfLine::ClassIID()}),
       {"Start", "End"},
       ComputeLine},
      {"WENPlane",
       "Plane",
       "GeometricalElement3D",
       With(geometric, {ZORIMeshGraphicProperties::ClassIID(), ZORIMfPlane::ClassIID()}),
       {"Point1", "Point2", "Point3"},
       ComputePlane},
      {"WENIntersect",
       "Intersect",
       "GeometricalElement3D",
       With(geometric, {ZORIPointGraphicProperties::ClassIID()}),
       {"Element1", "Element2"},
       ComputeIntersect},
  };
}
