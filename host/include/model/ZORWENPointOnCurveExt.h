#pragma once
// Points on a curve ("WENPointOnCurve", a kind of "WENPoint"): the point at the value "Ratio" of
// the way along the input "Curve" (0 its start, 1 its end; half way when no ratio is set). Only
// these points offer ZORIWENPointOnCurve; the extension registers the kind as well.

#include "ZORFeatureExtension.h"
#include "ZORIWENPointOnCurve.h"

class ZORWENPointOnCurveExt : public ZORFeatureExtension, public ZORIWENPointOnCurve {
  ZOR_DECLARE_CLASS(ZORWENPointOnCurveExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "GSMInterfaces")
  ZOR_IMPLEMENTS(ZORFeatureExtension, ZORIWENPointOnCurve)

  static constexpr const char* kTypeName = "WENPointOnCurve";
  static constexpr const char* kCurveRole = "Curve";
  static constexpr const char* kRatioValue = "Ratio";
  static constexpr double kDefaultRatio = 0.5;

  ZORWENPointOnCurveExt() = default;

  ZORISpecObject_var GetCurve() override;
  double GetRatio() override;
  HRESULT SetRatio(double ratio) override;
};
