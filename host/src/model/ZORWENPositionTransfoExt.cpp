#include "ZORWENPositionTransfoExt.h"

#include <cmath>
#include <cstring>

#include "ZORBody.h"
#include "ZORBodyBuilder.h"
#include "ZORCell.h"
#include "ZORCkeTypeDictionary.h"
#include "ZORDocument.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORIDescendants.h"
#include "ZORInterfaceDictionary.h"
#include "ZORLine.h"
#include "ZORMf3DAxisSystemManagerExt.h"
#include "ZORPoint.h"
#include "ZORWENDirectionExt.h"

namespace {

constexpr const char* kLiterals[] = {"XPos", "YPos", "AnglePos"};
// Below this length two points are one point, and a projected direction is null.
constexpr double kLengthTolerance = 1e-6;

// Not shown in the tree (no visual properties); it aggregates the direction features made for
// it.
std::vector<IID> TransfoInterfaces() {
  return {ZORISpecObject::ClassIID(),     ZORIDescendants::ClassIID(),
          ZORIModelEvents::ClassIID(),    ZORIPathAccess::ClassIID(),
          LifeCycleObject::ClassIID(),    ZORISpecAttrAccess::ClassIID(),
          ZORISpecScan::ClassIID(),       ZORIMechanicalFeature::ClassIID(),
          ZORINavigateObject::ClassIID(), ZORIUpdateError::ClassIID()};
}

bool ValidSystem(int system) {
  return system == 1 || system == 2;
}

std::string Role(const char* base, int system) {
  return base + std::to_string(system);
}

// The plane the profile lies in: its face's plane, or the plane through its first vertex and
// the first two of its edges' directions that are not parallel.
std::optional<ZORMathPlane> ProfilePlane(const ZORFeature* profile) {
  ZORBody_var body = profile ? profile->GetResultBody() : nullptr;
  if (!body) return std::nullopt;
  ZORMathPlane plane;
  if (body->GetHighestDimension() == 2 && body->GetPlane(plane)) return plane;
  const std::vector<ZORMathPoint> points = ZORWENPositionTransfoExt::VerticesOf(*body);
  if (points.size() < 3) return std::nullopt;
  const ZORMathVector first = points[1] - points[0];
  for (std::size_t i = 2; i < points.size(); ++i) {
    const ZORMathVector second = points[i] - points[0];
    if (first.Cross(second).Norm() > kLengthTolerance * first.Norm() * second.Norm()) {
      return ZORMathPlane(points[0], first.Normalized(), second.Normalized());
    }
  }
  return std::nullopt;
}

// The directions an element offers for X, in order of preference. A direction feature gives
// its element's, or its components read in its axis system.
std::vector<ZORMathVector> Candidates(const ZORFeature* element) {
  if (element && element->GetFeatureType().GetName() == ZORWENDirectionExt::kTypeName) {
    if (!ZORWENDirectionExt::ByComponents(*element))
      return Candidates(element->GetInput("Element"));
    const ZORMathVector components = ZORWENDirectionExt::Components(*element);
    const ZORFeature* axis = element->GetInput("Axis");
    const std::optional<ZORMathAxis> system =
        axis ? ZORMf3DAxisSystemManagerExt::AxisOf(axis) : std::nullopt;
    return {system ? system->VectorToAbsolute(components) : components};
  }
  ZORBody_var body = element ? element->GetResultBody() : nullptr;
  if (!body) return {};
  ZORMathLine line;
  double start = 0.0, end = 0.0;
  if (body->GetHighestDimension() == 1 && body->GetLine(line, start, end)) {
    return {line.GetDirection()};
  }
  ZORMathPlane plane;
  if (body->GetHighestDimension() == 2 && body->GetPlane(plane)) {
    return {plane.GetNormal(), plane.GetFirstDirection()};
  }
  return {};
}

// `vector` projected into the plane of normal `normal`, made unit; none when it is null there.
std::optional<ZORMathVector> InPlane(const ZORMathVector& vector, const ZORMathVector& normal) {
  const ZORMathVector projected = vector - vector.Dot(normal) * normal;
  if (!(projected.Norm() > kLengthTolerance)) return std::nullopt;
  return projected.Normalized();
}

bool ComputeTransfo(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  const ZORFeature* profile = f.GetInput("Profile");
  ZORBody_var given = profile ? profile->GetResultBody() : nullptr;
  if (!given || !ProfilePlane(profile)) {
    diagnostic = "The positioned element is missing or not planar";
    return false;
  }
  std::vector<ZORMathPoint> moved;
  for (const ZORMathPoint& point : ZORWENPositionTransfoExt::VerticesOf(*given)) {
    moved.push_back(*ZORWENPositionTransfoExt::Moved(f, point));
  }
  std::vector<ZORCurve_var> segments;
  for (std::size_t i = 1; i < moved.size(); ++i) {
    if (moved[i - 1].DistanceTo(moved[i]) < kLengthTolerance) continue;
    segments.push_back(ZORMake<ZORLine>(moved[i - 1], moved[i]));
  }
  ZORBodyBuilder builder;
  builder.AddChain(segments, false);
  body = builder.Finish();
  if (!body) diagnostic = "The positioned element cannot be built";
  return body != nullptr;
}

const bool registered = [] {
  std::vector<std::string> roles = {"Profile",    "Origin1",  "Direction1", "Origin2",
                                    "Direction2", "Boolean1", "Boolean2"};
  roles.insert(roles.end(), std::begin(kLiterals), std::end(kLiterals));
  ZORFeatureTypeRegistry::Get().Register({ZORWENPositionTransfoExt::kTypeName, "Position", "",
                                          TransfoInterfaces(), roles, ComputeTransfo});
  ZORFillDictionary({"ZORWENPositionTransfoExt", "ZORIWENPositionTransfo",
                     ZORIWENPositionTransfo::ClassIID(), ZORWENPositionTransfoExt::kTypeName,
                     &ZORExtensionCreator<ZORWENPositionTransfoExt>});
  ZORFillDictionary({"ZORWENPositionTransfoExt", "ZORIWENDefaultPositioner",
                     ZORIWENDefaultPositioner::ClassIID(), ZORWENPositionTransfoExt::kTypeName,
                     &ZORExtensionCreator<ZORWENPositionTransfoExt>});
  return true;
}();

}  // namespace

ZORFeature_var ZORWENPositionTransfoExt::Create(ZORDocument& document) {
  ZORFeature_var transfo = document.CreateFeature(kTypeName);
  if (!transfo) return nullptr;
  const std::pair<const char*, const ZORCkeType*> literals[] = {
      {"XPos", &ZORCkeTypeDictionary::GetLengthType()},
      {"YPos", &ZORCkeTypeDictionary::GetLengthType()},
      {"AnglePos", &ZORCkeTypeDictionary::GetAngleType()},
      {"Boolean1", &ZORCkeTypeDictionary::GetRealType()},
      {"Boolean2", &ZORCkeTypeDictionary::GetRealType()}};
  for (const auto& [name, type] : literals) {
    const double value = std::strncmp(name, "Boolean", 7) == 0 ? 1.0 : 0.0;
    ZORFeature_var parameter = document.CreateParameter(name, type->GetName().str(), value);
    if (!parameter || FAILED(transfo->SetInput(name, ZORBaseUnknown_var(parameter.get())))) {
      transfo->remove();
      return nullptr;
    }
  }
  return transfo;
}

std::vector<ZORMathPoint> ZORWENPositionTransfoExt::VerticesOf(const ZORBody& body) {
  std::vector<ZORMathPoint> points;
  ZORListPtrZORCell vertices;
  body.GetCells(0, vertices);
  for (int i = 1; i <= vertices.Size(); ++i) {
    if (const ZORPoint* point = vertices[i]->GetPoint()) points.push_back(point->GetPoint());
  }
  return points;
}

std::optional<ZORMathAxis> ZORWENPositionTransfoExt::AxisOf(const ZORFeature& transfo, int system) {
  if (!ValidSystem(system)) return std::nullopt;
  const ZORFeature* profile = transfo.GetInput("Profile");
  const std::optional<ZORMathPlane> plane = ProfilePlane(profile);
  if (!plane) return std::nullopt;
  const std::optional<ZORMathAxis> first = system == 2 ? AxisOf(transfo, 1) : std::nullopt;
  ZORMathPoint origin = first ? first->GetOrigin() : plane->GetOrigin();
  ZORMathPoint given;
  std::string unused;
  if (ZORFeatureGeometry::Point(transfo, Role("Origin", system), given, unused)) origin = given;
  const ZORMathVector normal = plane->GetNormal().Normalized();
  std::optional<ZORMathVector> x;
  for (const ZORMathVector& candidate : Candidates(transfo.GetInput(Role("Direction", system)))) {
    if ((x = InPlane(candidate, normal))) break;
  }
  if (!x) x = first ? InPlane(first->GetFirstDirection(), normal) : std::nullopt;
  if (!x) x = InPlane(plane->GetFirstDirection(), normal);
  ZORMathVector y = normal.Cross(*x);
  const int inversion = static_cast<int>(transfo.GetValue(Role("Inversion", system)));
  if (inversion & ZORWENXInversion) x = -1.0 * *x;
  if (inversion & ZORWENYInversion) y = -1.0 * y;
  return ZORMathAxis(origin, *x, y, normal);
}

std::optional<ZORMathPoint> ZORWENPositionTransfoExt::Moved(const ZORFeature& transfo,
                                                            const ZORMathPoint& point) {
  const std::optional<ZORMathAxis> initial = AxisOf(transfo, 1);
  const std::optional<ZORMathAxis> target = AxisOf(transfo, 2);
  if (!initial || !target) return std::nullopt;
  const auto literal = [&](const char* name) {
    const ZORFeature* parameter = transfo.GetInput(name);
    return parameter ? parameter->GetValue("Value") : 0.0;
  };
  const ZORMathPoint local = initial->ToLocal(point);
  const double u = local.GetX() + literal("XPos"), v = local.GetY() + literal("YPos");
  const double angle = literal("AnglePos") * std::acos(-1.0) / 180.0;
  const double c = std::cos(angle), s = std::sin(angle);
  return target->ToAbsolute(ZORMathPoint(c * u - s * v, s * u + c * v, local.GetZ()));
}

ZORISpecObject_var ZORWENPositionTransfoExt::Input(const std::string& role) const {
  ZORFeature* transfo = Transfo();
  return transfo ? ZORISpecObject_var(ZORBaseUnknown_var(transfo->GetInput(role))) : nullptr;
}

int ZORWENPositionTransfoExt::GetMode() {
  ZORFeature* transfo = Transfo();
  return transfo ? static_cast<int>(transfo->GetValue("Mode")) : 0;
}

HRESULT ZORWENPositionTransfoExt::SetMode(int mode) {
  ZORFeature* transfo = Transfo();
  if (!transfo || mode < 0 || mode > 2) return E_FAIL;
  transfo->SetValue("Mode", mode);
  return S_OK;
}

HRESULT ZORWENPositionTransfoExt::SetRole(int system, const char* base,
                                          const ZORISpecObject_var& element) {
  ZORFeature* transfo = Transfo();
  if (!transfo || !ValidSystem(system)) return E_FAIL;
  return transfo->SetInput(Role(base, system), ZORBaseUnknown_var(element));
}

ZORISpecObject_var ZORWENPositionTransfoExt::GetOrigin(int system) {
  return ValidSystem(system) ? Input(Role("Origin", system)) : nullptr;
}

HRESULT ZORWENPositionTransfoExt::SetOrigin(int system, const ZORISpecObject_var& point) {
  return SetRole(system, "Origin", point);
}

ZORISpecObject_var ZORWENPositionTransfoExt::GetDirection(int system) {
  return ValidSystem(system) ? Input(Role("Direction", system)) : nullptr;
}

HRESULT ZORWENPositionTransfoExt::SetDirection(int system, const ZORISpecObject_var& element) {
  return SetRole(system, "Direction", element);
}

ZORICkeParm_var ZORWENPositionTransfoExt::GetBooleanParameter(int system) {
  return ValidSystem(system) ? ZORICkeParm_var(Input(Role("Boolean", system))) : nullptr;
}

ZORWENAxisInversionMode ZORWENPositionTransfoExt::GetAxisInversion(int system) {
  ZORFeature* transfo = Transfo();
  if (!transfo || !ValidSystem(system)) return ZORWENNoInversion;
  return static_cast<ZORWENAxisInversionMode>(transfo->GetValue(Role("Inversion", system)));
}

HRESULT ZORWENPositionTransfoExt::SetAxisInversion(int system, int mode) {
  ZORFeature* transfo = Transfo();
  if (!transfo || !ValidSystem(system) || mode < 0 || mode > 3) return E_FAIL;
  transfo->SetValue(Role("Inversion", system), mode);
  return S_OK;
}

ZORICkeParm_var ZORWENPositionTransfoExt::GetLiteral(const char* name) {
  if (!name) return nullptr;
  for (const char* literal : kLiterals) {
    if (std::strcmp(literal, name) == 0) return ZORICkeParm_var(Input(literal));
  }
  return nullptr;
}

ZORISpecObject_var ZORWENPositionTransfoExt::GetProfile() {
  return Input("Profile");
}

HRESULT ZORWENPositionTransfoExt::SetProfile(const ZORISpecObject_var& profile) {
  ZORFeature* transfo = Transfo();
  return transfo ? transfo->SetInput("Profile", ZORBaseUnknown_var(profile)) : E_FAIL;
}

HRESULT ZORWENPositionTransfoExt::GetAxis(int system, ZORMathAxis& axis) {
  ZORFeature* transfo = Transfo();
  const std::optional<ZORMathAxis> found = transfo ? AxisOf(*transfo, system) : std::nullopt;
  if (!found) return E_FAIL;
  axis = *found;
  return S_OK;
}

HRESULT ZORWENPositionTransfoExt::GetAxisSystem(int index, ZORMathAxis& axis) {
  return GetAxis(index + 1, axis);
}

HRESULT ZORWENPositionTransfoExt::Position(const ZORMathPoint& point, ZORMathPoint& moved) {
  ZORFeature* transfo = Transfo();
  const std::optional<ZORMathPoint> found = transfo ? Moved(*transfo, point) : std::nullopt;
  if (!found) return E_FAIL;
  moved = *found;
  return S_OK;
}

HRESULT ZORWENPositionTransfoExt::GetPositionedPoints(std::vector<ZORMathPoint>& points) {
  ZORFeature* transfo = Transfo();
  const ZORFeature* profile = transfo ? transfo->GetInput("Profile") : nullptr;
  ZORBody_var body = profile ? profile->GetResultBody() : nullptr;
  if (!body || !AxisOf(*transfo, 1)) return E_FAIL;
  points.clear();
  for (const ZORMathPoint& point : VerticesOf(*body)) points.push_back(*Moved(*transfo, point));
  return S_OK;
}
