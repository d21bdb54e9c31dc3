#include "ZORBuiltinFeatureTypes.h"

#include <cmath>

#include "LifeCycleObject.h"
#include "ZORFeature.h"
#include "ZORFeatureGeometry.h"
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
#include "ZOROrientationFlagExt.h"

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

// Below this length two points are one point, and below this sine two directions are one.
constexpr double kLengthTolerance = 1e-6;
constexpr double kAngleTolerance = 1e-9;

// What every feature in the tree offers.
std::vector<IID> TreeInterfaces() {
  return {ZORISpecObject::ClassIID(),        ZORIVisProperties::ClassIID(),
          ZORIGraphicProperties::ClassIID(), ZORIModelEvents::ClassIID(),
          ZORIPathAccess::ClassIID(),        LifeCycleObject::ClassIID(),
          ZORISpecAttrAccess::ClassIID(),    ZORISpecScan::ClassIID(),
          ZORIMechanicalFeature::ClassIID(), ZORIRedrawEvent::ClassIID(),
          ZORINavigateObject::ClassIID()};
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
  const bool inverted = ZOROrientationFlagExt::IsInverted(f);
  body = inverted ? ZORBody::MakeSegment(b, a) : ZORBody::MakeSegment(a, b);
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
  body = ZORBody::MakePlane(ZOROrientationFlagExt::IsInverted(f) ? ZORMathPlane(p[0], v, u)
                                                                 : ZORMathPlane(p[0], u, v));
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

// The body of `body` moved point by point through an affine map.
template <class Map>
ZORBody_var MapBody(const ZORBody& body, Map map) {
  const auto& v = body.GetVertices();
  switch (body.GetHighestDimension()) {
    case 0:
      return v.size() == 1 ? ZORBody::MakePoint(map(v[0])) : nullptr;
    case 1: {
      // Straight segments only: an affine map would not keep an arc an arc.
      ZORMathLine line;
      double start = 0.0, end = 0.0;
      if (!body.GetLine(line, start, end)) return nullptr;
      return ZORBody::MakeSegment(map(v[0]), map(v[1]));
    }
    default:
      break;
  }
  ZORMathPlane plane;
  // An unbounded plane only, for the same reason.
  if (body.GetCellCount(2) != 1 || body.GetCellCount(1) != 0 || !body.GetPlane(plane)) {
    return nullptr;
  }
  const ZORMathPoint o = map(plane.GetOrigin());
  const ZORMathVector u = map(plane.GetOrigin() + plane.GetFirstDirection()) - o;
  const ZORMathVector w = map(plane.GetOrigin() + plane.GetSecondDirection()) - o;
  if (u.Cross(w).Norm() < kLengthTolerance) return nullptr;
  return ZORBody::MakePlane(ZORMathPlane(o, u, w));
}

// The element's body, of any dimension.
ZORBody_var ElementBody(const ZORFeature& f, std::string& diagnostic) {
  for (int dimension = 0; dimension <= 2; ++dimension) {
    std::string ignored;
    ZORBody_var body = InputBody(f, "Element", dimension, ignored);
    if (body) return body;
  }
  InputBody(f, "Element", -2, diagnostic);
  return nullptr;
}

// The unit direction of a line input.
bool InputDirection(const ZORFeature& f, const std::string& role, ZORMathLine& line,
                    std::string& diagnostic) {
  ZORBody_var body = InputBody(f, role, 1, diagnostic);
  double start = 0.0, end = 0.0;
  if (!body || !body->GetLine(line, start, end)) return false;
  line = ZORMathLine(line.GetOrigin(), line.GetDirection().Normalized());
  return true;
}

bool Mapped(ZORBody_var mapped, ZORBody_var& body, std::string& diagnostic) {
  if (!mapped) {
    diagnostic = "The transformed element is degenerate, or not a point, segment or plane";
    return false;
  }
  body = mapped;
  return true;
}

bool ComputeTranslate(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORBody_var element = ElementBody(f, diagnostic);
  ZORMathLine direction;
  if (!element || !InputDirection(f, "Direction", direction, diagnostic)) return false;
  // A "Length" parameter, when one is given, drives the distance.
  const ZORMathVector shift =
      ZORFeatureGeometry::ParameterOrValue(f, f.GetInput("Length") ? "Length" : "Distance") *
      direction.GetDirection();
  return Mapped(MapBody(*element, [&](const ZORMathPoint& p) { return p + shift; }), body,
                diagnostic);
}

bool ComputeRotate(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORBody_var element = ElementBody(f, diagnostic);
  ZORMathLine axis;
  if (!element || !InputDirection(f, "Axis", axis, diagnostic)) return false;
  const double angle = f.GetValue("Angle") * kDegree;
  const ZORMathVector k = axis.GetDirection();
  auto rotate = [&](const ZORMathPoint& p) {
    const ZORMathPoint foot = axis.Project(p);
    const ZORMathVector r = p - foot;
    return foot + (std::cos(angle) * r + std::sin(angle) * k.Cross(r));
  };
  return Mapped(MapBody(*element, rotate), body, diagnostic);
}

bool ComputeProject(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORBody_var element = ElementBody(f, diagnostic);
  ZORBody_var support = element ? InputBody(f, "Support", 2, diagnostic) : nullptr;
  if (!support) return false;
  ZORMathPlane plane;
  support->GetPlane(plane);
  ZORMathLine along(plane.GetOrigin(), plane.GetNormal().Normalized());
  if (f.GetInput("Direction") && !InputDirection(f, "Direction", along, diagnostic)) return false;
  bool parallel = false;
  auto project = [&](const ZORMathPoint& p) {
    double u = 0.0, v = 0.0;
    parallel = parallel || !plane.Intersect(ZORMathLine(p, along.GetDirection()), u, v);
    return plane.EvalPoint(u, v);
  };
  ZORBody_var projected = MapBody(*element, project);
  if (parallel) {
    diagnostic = "The direction is parallel to the support";
    return false;
  }
  return Mapped(projected, body, diagnostic);
}

bool ComputeAffinity(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORBody_var element = ElementBody(f, diagnostic);
  ZORBody_var origin = element ? InputBody(f, "Origin", 0, diagnostic) : nullptr;
  if (!origin) return false;
  const ZORMathPoint o = origin->GetVertices()[0];
  const double rx = f.GetValue("RatioX", 1.0), ry = f.GetValue("RatioY", 1.0),
               rz = f.GetValue("RatioZ", 1.0);
  auto scale = [&](const ZORMathPoint& p) {
    const ZORMathVector d = p - o;
    return o + ZORMathVector(rx * d.GetX(), ry * d.GetY(), rz * d.GetZ());
  };
  return Mapped(MapBody(*element, scale), body, diagnostic);
}

// A BRep feature designates its support's result.
bool ComputeBRep(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  const ZORFeature* support = f.GetInput("Support");
  if (!support || !support->GetResultBody() || !support->GetResultBody()->HasGeometry()) {
    diagnostic = support ? "The support has no result" : "Input Support is missing";
    return false;
  }
  body = support->GetResultBody();
  return true;
}

ZORFeatureType::Description Tool(const char* name, const char* display, bool basic) {
  std::vector<IID> interfaces = With(TreeInterfaces(), {ZORIDescendants::ClassIID()});
  if (basic) interfaces.push_back(ZORIBasicTool::ClassIID());
  interfaces.push_back(ZORIWENTool::ClassIID());
  return {name, display, "Tool", interfaces, {}, nullptr};
}

}  // namespace

std::vector<ZORFeatureType::Description> ZORBuiltinFeatureTypes() {
  // Geometric features aggregate the features made in their context (a point created for an
  // input of a line), hence their descendants.
  const std::vector<IID> geometric =
      With(TreeInterfaces(),
           {ZORIUpdateError::ClassIID(), ZORIDescendants::ClassIID(),
            ZORIMechanicalProperties::ClassIID(), ZORIMmiContextualManager::ClassIID()});
  // Features made from one or two inputs can be made by the dozen from a multi-selection.
  const std::vector<IID> multi = With(geometric, {ZORIWENMultiSelAccess::ClassIID()});
  const std::vector<IID> transformation = With(multi, {ZORIGraphicProperties::ClassIID()});
  return {
      {"ZORFeatCont",
       "Container",
       "",
       {ZORIPrtContainer::ClassIID(), ZORIWENFactory::ClassIID(),
        ZORIWENMultiSelFactory::ClassIID()},
       {},
       nullptr},
      {"MechanicalPart",
       "Part",
       "",
       {ZORISpecObject::ClassIID(), ZORIDescendants::ClassIID(), ZORIPrtPart::ClassIID(),
        ZORIModelEvents::ClassIID(), ZORIPathAccess::ClassIID(), ZORIPrtManagement::ClassIID(),
        ZORISpecScan::ClassIID(), ZORINavigateObject::ClassIID(),
        ZORIMechanicalFeature::ClassIID()},
       {},
       nullptr},
      Tool("Body", "Body", true),
      Tool("GeometricalSet", "Geometrical Set", true),
      Tool("ShapeBody", "Shape Body", false),
      {"WENPoint",
       "Point",
       "GeometricalElement3D",
       With(geometric, {ZORIPointGraphicProperties::ClassIID(), ZORIMfPoint::ClassIID(),
                        ZORIMfZeroDimResult::ClassIID()}),
       {},
       ComputePoint},
      {"WENLine",
       "Line",
       "GeometricalElement3D",
       With(multi, {ZORILineicGraphicProperties::ClassIID(), ZORIMfLine::ClassIID(),
                    ZORIMfMonoDimResult::ClassIID()}),
       {"Start", "End"},
       ComputeLine},
      {"WENPlane",
       "Plane",
       "GeometricalElement3D",
       With(multi, {ZORIMeshGraphicProperties::ClassIID(), ZORIMfPlane::ClassIID(),
                    ZORIMfBiDimResult::ClassIID()}),
       {"Point1", "Point2", "Point3"},
       ComputePlane},
      {"WENIntersect",
       "Intersect",
       "GeometricalElement3D",
       With(multi, {ZORIPointGraphicProperties::ClassIID(), ZORIMfZeroDimResult::ClassIID()}),
       {"Element1", "Element2"},
       ComputeIntersect},
      {"WENTranslate",
       "Translate",
       "WENTransformation",
       With(transformation, {ZORIWENTranslate::ClassIID()}),
       {"Element", "Direction", "Length"},
       ComputeTranslate},
      {"WENRotate",
       "Rotate",
       "WENTransformation",
       With(transformation, {ZORIWENRotate::ClassIID()}),
       {"Element", "Axis"},
       ComputeRotate},
      {"WENProject",
       "Project",
       "WENTransformation",
       With(transformation, {ZORIWENProject::ClassIID()}),
       {"Element", "Support", "Direction"},
       ComputeProject},
      {"WENAffinity",
       "Affinity",
       "WENTransformation",
       With(transformation, {ZORIWENAffinity::ClassIID()}),
       {"Element", "Origin"},
       ComputeAffinity},
      {"WENTransformation", "Transformation", "GeometricalElement3D", geometric, {}, nullptr},
      {"WENMultiSel",
       "Multi Selection",
       "",
       With(TreeInterfaces(), {ZORIWENMultiSel::ClassIID(), ZORIDescendants::ClassIID(),
                               ZORIWENTool::ClassIID(), ZORIUpdateError::ClassIID()}),
       {},
       nullptr},
      {"BRepFeature",
       "BRep",
       "",
       {ZORISpecObject::ClassIID(), LifeCycleObject::ClassIID(), ZORISpecAttrAccess::ClassIID(),
        ZORISpecScan::ClassIID(), ZORIMfBRep::ClassIID(), ZORIGeometricalElement::ClassIID()},
       {"Support"},
       ComputeBRep},
      {"CkeParm",
       "Parameter",
       "",
       {ZORISpecObject::ClassIID(), LifeCycleObject::ClassIID(), ZORISpecAttrAccess::ClassIID(),
        ZORICkeParm::ClassIID()},
       {},
       nullptr},
  };
}
