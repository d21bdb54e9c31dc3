#include "ZORWENAxisLineExt.h"

#include <cmath>
#include <limits>

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORICkeParm.h"
#include "ZORIMfLine.h"
#include "ZORInterfaceDictionary.h"
#include "ZORSpecObjectOf.h"

namespace {

constexpr double kLengthTolerance = 1e-6;

// The direction `reference` gives at `point`: a curve's tangent at its point nearest `point`, a
// surface's normal at the projection of `point`; false for a point result.
bool DirectionAt(const ZORBody& reference, const ZORMathPoint& point, ZORMathVector& direction) {
  double nearest = std::numeric_limits<double>::infinity();
  for (const ZORCell_var& cell : reference.GetCells()) {
    if (cell->GetDimension() != reference.GetHighestDimension()) continue;
    if (const ZORCurve* curve = cell->GetCurve()) {
      const double t = curve->Closest(point);
      if (curve->Eval(t).DistanceTo(point) < nearest) {
        nearest = curve->Eval(t).DistanceTo(point);
        direction = curve->Tangent(t);
      }
    } else if (const ZORSurface* surface = cell->GetSurface()) {
      const ZORMathPoint onSurface = surface->ProjectPoint(point);
      if (onSurface.DistanceTo(point) < nearest) {
        nearest = onSurface.DistanceTo(point);
        direction = surface->Normal(onSurface);
      }
    }
  }
  return std::isfinite(nearest);
}

bool ComputeAxisLine(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORMathPoint point;
  if (!ZORFeatureGeometry::Point(f, "Point", point, diagnostic)) return false;
  ZORBody_var reference = ZORFeatureGeometry::Body(f, "Reference", -1, diagnostic);
  if (!reference) return false;
  ZORMathVector direction;
  if (reference->GetHighestDimension() == 0 || !DirectionAt(*reference, point, direction)) {
    diagnostic =
        "The reference " + f.GetInput("Reference")->GetDisplayNameText() + " gives no direction";
    return false;
  }
  const double start = ZORFeatureGeometry::ParameterOrValue(f, "Start");
  const double end = ZORFeatureGeometry::ParameterOrValue(f, "End", ZORWENAxisLineExt::kDefaultEnd);
  if (!std::isfinite(start) || !std::isfinite(end) || std::abs(end - start) < kLengthTolerance) {
    diagnostic = "The start and end lengths must differ";
    return false;
  }
  body = ZORBody::MakeSegment(point + start * direction, point + end * direction);
  if (!body) diagnostic = "The line cannot be built from these inputs";
  return static_cast<bool>(body);
}

// A length driven by a parameter is changed in the parameter, as a user's edit is.
HRESULT SetLength(ZORFeature& feature, const char* role, double value) {
  ZORFeature* parameter = feature.GetInput(role);
  if (!parameter) {
    feature.SetValue(role, value);
    return S_OK;
  }
  const ZORICkeParm_var parm{ZORBaseUnknown_var(parameter)};
  return parm ? parm->Valuate(value) : E_FAIL;
}

const bool registered = [] {
  std::vector<IID> interfaces = ZORFeatureGeometry::Interfaces(1);
  interfaces.push_back(ZORIMfLine::ClassIID());
  ZORFeatureTypeRegistry::Get().Register({ZORWENAxisLineExt::kTypeName,
                                          "Axis Line",
                                          "WENLine",
                                          interfaces,
                                          {"Point", "Reference", "Start", "End"},
                                          ComputeAxisLine});
  ZORFillDictionary({"ZORWENAxisLineExt", "ZORIWENAxisLine", ZORIWENAxisLine::ClassIID(),
                     ZORWENAxisLineExt::kTypeName, &ZORExtensionCreator<ZORWENAxisLineExt>});
  return true;
}();

}  // namespace

ZORISpecObject_var ZORWENAxisLineExt::GetPoint() {
  ZORFeature* feature = GetFeature();
  return feature ? ZORSpecObjectOf(feature->GetInput("Point")) : nullptr;
}

ZORISpecObject_var ZORWENAxisLineExt::GetReference() {
  ZORFeature* feature = GetFeature();
  return feature ? ZORSpecObjectOf(feature->GetInput("Reference")) : nullptr;
}

double ZORWENAxisLineExt::GetStartLength() {
  const ZORFeature* feature = GetFeature();
  return feature ? ZORFeatureGeometry::ParameterOrValue(*feature, "Start") : 0.0;
}

double ZORWENAxisLineExt::GetEndLength() {
  const ZORFeature* feature = GetFeature();
  return feature ? ZORFeatureGeometry::ParameterOrValue(*feature, "End", kDefaultEnd) : kDefaultEnd;
}

HRESULT ZORWENAxisLineExt::SetLengths(double start, double end) {
  if (!ZORFaultGate::Pass("ZORIWENAxisLine::SetLengths")) return E_FAIL;
  ZORFeature* feature = GetFeature();
  if (!feature || !std::isfinite(start) || !std::isfinite(end)) return E_INVALIDARG;
  return SUCCEEDED(SetLength(*feature, "Start", start)) &&
                 SUCCEEDED(SetLength(*feature, "End", end))
             ? S_OK
             : E_FAIL;
}
