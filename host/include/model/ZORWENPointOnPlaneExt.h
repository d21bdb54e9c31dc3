#pragma once
// Points on a plane ("WENPointOnPlane", a kind of "WENPoint"): the point at the parameters "H"
// and "V" along the first and second directions of the input "Support" (a planar result), from
// the projection of the input "Origin" on it (the plane's own origin without one). The extension
// registers the kind and gives its ZORIWENPointOnPlane.

#include "ZORFeatureExtension.h"
#include "ZORIWENPointOnPlane.h"

class ZORWENPointOnPlaneExt : public ZORFeatureExtension, public ZORIWENPointOnPlane {
  ZOR_DECLARE_CLASS(ZORWENPointOnPlaneExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "GSMInterfaces")
  ZOR_IMPLEMENTS(ZORFeatureExtension, ZORIWENPointOnPlane)

  static constexpr const char* kTypeName = "WENPointOnPlane";

  ZORWENPointOnPlaneExt() = default;

  ZORISpecObject_var GetSupport() override;
  ZORISpecObject_var GetOrigin() override;
  ZORICkeParm_var GetH() override;
  ZORICkeParm_var GetV() override;
};
