#pragma once
// Axis lines ("WENAxisLine"): the segment through input "Point" along the direction input
// "Reference" gives there, from "Start" to "End" (lengths along the direction: the parameters
// linked under those roles, else the values, else 0 and 100). The extension registers the kind and
// gives its ZORIWENAxisLine.

#include "ZORFeatureExtension.h"
#include "ZORIWENAxisLine.h"

class ZORWENAxisLineExt : public ZORFeatureExtension, public ZORIWENAxisLine {
  ZOR_DECLARE_CLASS(ZORWENAxisLineExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "GSMInterfaces")
  ZOR_IMPLEMENTS(ZORFeatureExtension, ZORIWENAxisLine)

  static constexpr const char* kTypeName = "WENAxisLine";
  static constexpr double kDefaultEnd = 100.0;

  ZORWENAxisLineExt() = default;

  ZORISpecObject_var GetPoint() override;
  ZORISpecObject_var GetReference() override;
  double GetStartLength() override;
  double GetEndLength() override;
  HRESULT SetLengths(double start, double end) override;
};
