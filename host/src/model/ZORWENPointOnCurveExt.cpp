#include "ZORWENPointOnCurveExt.h"

#include <cmath>

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORInterfaceDictionary.h"
#include "ZORSpecObjectOf.h"
#include "ZORWire.h"

namespace {

bool ComputePointOnCurve(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  const ZORFeature* curve = f.GetInput(ZORWENPointOnCurveExt::kCurveRole);
  ZORBody_var curveBody = curve ? curve->GetResultBody() : nullptr;
  if (!curveBody || curveBody->GetHighestDimension() != 1) {
    diagnostic = curve ? "Input Curve (" + curve->GetDisplayNameText() + ") is not a curve"
                       : "Input Curve is missing";
    return false;
  }
  const double ratio =
      f.GetValue(ZORWENPointOnCurveExt::kRatioValue, ZORWENPointOnCurveExt::kDefaultRatio);
  if (!(ratio >= 0.0 && ratio <= 1.0)) {
    diagnostic = "The ratio lies outside the curve";
    return false;
  }
  ZORWire_var wire = ZORWire::FromBody(*curveBody);
  if (!wire) {
    diagnostic = "Input Curve (" + curve->GetDisplayNameText() + ") is not one wire";
    return false;
  }
  ZORMathPoint point;
  ZORMathVector tangent;
  wire->PointAtLength(ratio * wire->GetLength(), point, tangent);
  body = ZORBody::MakePoint(point);
  return true;
}

// What a point offers, and list 1 of a multi-selection for the curve.
std::vector<IID> PointOnCurveInterfaces() {
  return {ZORISpecObject::ClassIID(),
          ZORIVisProperties::ClassIID(),
          ZORIGraphicProperties::ClassIID(),
          ZORIModelEvents::ClassIID(),
          ZORIPathAccess::ClassIID(),
          LifeCycleObject::ClassIID(),
          ZORISpecAttrAccess::ClassIID(),
          ZORISpecScan::ClassIID(),
          ZORIMechanicalFeature::ClassIID(),
          ZORIRedrawEvent::ClassIID(),
          ZORINavigateObject::ClassIID(),
          ZORIUpdateError::ClassIID(),
          ZORIDescendants::ClassIID(),
          ZORIMechanicalProperties::ClassIID(),
          ZORIMmiContextualManager::ClassIID(),
          ZORIPointGraphicProperties::ClassIID(),
          ZORIMfPoint::ClassIID(),
          ZORIMfZeroDimResult::ClassIID(),
          ZORIWENMultiSelAccess::ClassIID()};
}

const bool registered = [] {
  ZORFeatureTypeRegistry::Get().Register({ZORWENPointOnCurveExt::kTypeName,
                                          "Point",
                                          "WENPoint",
                                          PointOnCurveInterfaces(),
                                          {ZORWENPointOnCurveExt::kCurveRole},
                                          ComputePointOnCurve});
  ZORFillDictionary({"ZORWENPointOnCurveExt", "ZORIWENPointOnCurve",
                     ZORIWENPointOnCurve::ClassIID(), ZORWENPointOnCurveExt::kTypeName,
                     &ZORExtensionCreator<ZORWENPointOnCurveExt>});
  return true;
}();

}  // namespace

ZORISpecObject_var ZORWENPointOnCurveExt::GetCurve() {
  ZORFeature* feature = GetFeature();
  return feature ? ZORSpecObjectOf(feature->GetInput(kCurveRole)) : nullptr;
}

double ZORWENPointOnCurveExt::GetRatio() {
  const ZORFeature* feature = GetFeature();
  return feature ? feature->GetValue(kRatioValue, kDefaultRatio) : kDefaultRatio;
}

HRESULT ZORWENPointOnCurveExt::SetRatio(double ratio) {
  if (!ZORFaultGate::Pass("ZORIWENPointOnCurve::SetRatio")) return E_FAIL;
  ZORFeature* feature = GetFeature();
  if (!feature || !std::isfinite(ratio)) return E_INVALIDARG;
  feature->SetValue(kRatioValue, ratio);
  return S_OK;
}
