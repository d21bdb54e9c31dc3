#include "ZORWENPointOnPlaneExt.h"

#include <cmath>

#include "ZORFeature.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORInterfaceDictionary.h"
#include "ZORSpecObjectOf.h"

namespace {

bool ComputePointOnPlane(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORBody_var support = ZORFeatureGeometry::Body(f, "Support", 2, diagnostic);
  if (!support) return false;
  ZORMathPlane plane;
  if (!support->GetPlane(plane)) {
    diagnostic =
        "Input Support (" + f.GetInput("Support")->GetDisplayNameText() + ") is not a plane";
    return false;
  }
  if (f.GetInput("Origin")) {
    ZORMathPoint origin;
    if (!ZORFeatureGeometry::Point(f, "Origin", origin, diagnostic)) return false;
    double u = 0.0, v = 0.0;
    plane.Project(origin, u, v);
    plane.SetOrigin(plane.EvalPoint(u, v));
  }
  const double h = ZORFeatureGeometry::ParameterOrValue(f, "H");
  const double v = ZORFeatureGeometry::ParameterOrValue(f, "V");
  if (!std::isfinite(h) || !std::isfinite(v)) {
    diagnostic = "The coordinates are not numbers";
    return false;
  }
  body = ZORBody::MakePoint(plane.EvalPoint(h, v));
  return true;
}

const bool registered = [] {
  std::vector<IID> interfaces = ZORFeatureGeometry::Interfaces(0);
  interfaces.push_back(ZORIWENMultiSelAccess::ClassIID());
  ZORFeatureTypeRegistry::Get().Register({ZORWENPointOnPlaneExt::kTypeName,
                                          "Point",
                                          "WENPoint",
                                          interfaces,
                                          {"Support", "Origin", "H", "V"},
                                          ComputePointOnPlane});
  ZORFillDictionary({"ZORWENPointOnPlaneExt", "ZORIWENPointOnPlane",
                     ZORIWENPointOnPlane::ClassIID(), ZORWENPointOnPlaneExt::kTypeName,
                     &ZORExtensionCreator<ZORWENPointOnPlaneExt>});
  return true;
}();

ZORISpecObject_var InputOf(ZORFeature* feature, const char* role) {
  return feature ? ZORSpecObjectOf(feature->GetInput(role)) : nullptr;
}

ZORICkeParm_var ParameterOf(ZORFeature* feature, const char* role) {
  return feature ? ZORICkeParm_var(ZORBaseUnknown_var(feature->GetInput(role))) : nullptr;
}

}  // namespace

ZORISpecObject_var ZORWENPointOnPlaneExt::GetSupport() {
  return InputOf(GetFeature(), "Support");
}
ZORISpecObject_var ZORWENPointOnPlaneExt::GetOrigin() {
  return InputOf(GetFeature(), "Origin");
}
ZORICkeParm_var ZORWENPointOnPlaneExt::GetH() {
  return ParameterOf(GetFeature(), "H");
}
ZORICkeParm_var ZORWENPointOnPlaneExt::GetV() {
  return ParameterOf(GetFeature(), "V");
}
