#include "ZORWENPointOnSurfaceExt.h"

#include <cmath>
#include <limits>

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoUtilitiesGetCenter.h"
#include "ZORInterfaceDictionary.h"
#include "ZORSpecObjectOf.h"
#include "ZORSurface.h"

namespace {

constexpr double kOnSurfaceTolerance = 1e-6;
constexpr int kDoublings = 60;
constexpr int kHalvings = 80;
const char* const kDirectionValues[] = {"DirX", "DirY", "DirZ"};

ZORMathVector StoredDirection(const ZORFeature& f) {
  return ZORWENPointOnSurfaceExt::UnitDirection({f.GetValue(kDirectionValues[0], 1.0),
                                                 f.GetValue(kDirectionValues[1]),
                                                 f.GetValue(kDirectionValues[2])});
}

// The face of `shell` nearest `point`.
const ZORSurface* NearestSurface(const ZORBody& shell, const ZORMathPoint& point) {
  const ZORSurface* nearest = nullptr;
  double distance = std::numeric_limits<double>::infinity();
  for (const ZORCell_var& cell : shell.GetCells()) {
    const ZORSurface* surface = cell->GetSurface();
    if (!surface) continue;
    const double d = surface->ProjectPoint(point).DistanceTo(point);
    if (d < distance) distance = d, nearest = surface;
  }
  return nearest;
}

// The length on `surface` from `start` to the projection of `origin + t direction`.
struct Walk {
  const ZORSurface& surface;
  ZORMathPoint origin, start;
  ZORMathVector direction;

  ZORMathPoint At(double t) const { return surface.ProjectPoint(origin + t * direction); }
  double LengthAt(double t) const {
    double length = 0.0;
    return SUCCEEDED(surface.LengthOnSurface(start, At(t), kOnSurfaceTolerance, length)) ? length
                                                                                         : -1.0;
  }
};

// Where the walk reaches `length` on the surface: doubles the step until past it, then halves
// the bracket. False when the surface ends (or the way bends back) before it.
bool Reach(const Walk& walk, double length, ZORMathPoint& point) {
  double low = 0.0, high = 1.0;
  int doublings = 0;
  while (walk.LengthAt(high) < length) {
    if (++doublings > kDoublings) return false;
    low = high;
    high *= 2.0;
  }
  for (int i = 0; i < kHalvings; ++i) {
    const double middle = 0.5 * (low + high);
    (walk.LengthAt(middle) < length ? low : high) = middle;
  }
  point = walk.At(high);
  return std::abs(walk.LengthAt(high) - length) <= kOnSurfaceTolerance;
}

bool ComputePointOnSurface(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORBody_var support = ZORFeatureGeometry::Body(f, "Support", 2, diagnostic);
  if (!support) return false;
  ZORMathPoint origin;
  if (f.GetInput("Origin")) {
    if (!ZORFeatureGeometry::Point(f, "Origin", origin, diagnostic)) return false;
  } else if (FAILED(ZORGmoUtilitiesGetCenter(support, origin))) {
    diagnostic = "The support has no centre";
    return false;
  }
  const ZORSurface* surface = NearestSurface(*support, origin);
  if (!surface) {
    diagnostic = "The support has no face";
    return false;
  }
  double length = ZORFeatureGeometry::ParameterOrValue(f, "Length");
  ZORMathVector direction = StoredDirection(f);
  if (!std::isfinite(length)) {
    diagnostic = "The length is not a number";
    return false;
  }
  if (length < 0.0) length = -length, direction = -1.0 * direction;
  const Walk walk{*surface, origin, surface->ProjectPoint(origin), direction};
  ZORMathPoint point = walk.start;
  if (length > 0.0 && !Reach(walk, length, point)) {
    diagnostic = "The length goes beyond the support";
    return false;
  }
  body = ZORBody::MakePoint(point);
  return true;
}

const bool registered = [] {
  std::vector<IID> interfaces = ZORFeatureGeometry::Interfaces(0);
  interfaces.push_back(ZORIWENMultiSelAccess::ClassIID());
  ZORFeatureTypeRegistry::Get().Register({ZORWENPointOnSurfaceExt::kTypeName,
                                          "Point",
                                          "WENPoint",
                                          interfaces,
                                          {"Support", "Origin", "Length"},
                                          ComputePointOnSurface});
  ZORFillDictionary({"ZORWENPointOnSurfaceExt", "ZORIWENPointOnSurface",
                     ZORIWENPointOnSurface::ClassIID(), ZORWENPointOnSurfaceExt::kTypeName,
                     &ZORExtensionCreator<ZORWENPointOnSurfaceExt>});
  return true;
}();

}  // namespace

ZORMathVector ZORWENPointOnSurfaceExt::UnitDirection(const ZORMathVector& direction) {
  return direction.Norm() > 0.0 ? direction.Normalized() : ZORMathVector(1, 0, 0);
}

ZORISpecObject_var ZORWENPointOnSurfaceExt::GetSupport() {
  ZORFeature* feature = GetFeature();
  return feature ? ZORSpecObjectOf(feature->GetInput("Support")) : nullptr;
}

ZORISpecObject_var ZORWENPointOnSurfaceExt::GetOrigin() {
  ZORFeature* feature = GetFeature();
  return feature ? ZORSpecObjectOf(feature->GetInput("Origin")) : nullptr;
}

ZORICkeParm_var ZORWENPointOnSurfaceExt::GetLength() {
  ZORFeature* feature = GetFeature();
  return feature ? ZORICkeParm_var(ZORBaseUnknown_var(feature->GetInput("Length"))) : nullptr;
}

ZORMathVector ZORWENPointOnSurfaceExt::GetDirection() {
  const ZORFeature* feature = GetFeature();
  return feature ? StoredDirection(*feature) : ZORMathVector(1, 0, 0);
}

HRESULT ZORWENPointOnSurfaceExt::SetDirection(const ZORMathVector& direction) {
  if (!ZORFaultGate::Pass("ZORIWENPointOnSurface::SetDirection")) return E_FAIL;
  ZORFeature* feature = GetFeature();
  if (!feature || !std::isfinite(direction.Norm())) return E_INVALIDARG;
  const ZORMathVector unit = UnitDirection(direction);
  feature->SetValue(kDirectionValues[0], unit.GetX());
  feature->SetValue(kDirectionValues[1], unit.GetY());
  feature->SetValue(kDirectionValues[2], unit.GetZ());
  return S_OK;
}
