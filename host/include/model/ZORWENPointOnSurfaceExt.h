#pragma once
// Points on a surface ("WENPointOnSurface", a kind of "WENPoint"): from the input "Origin" (the
// centre of the support's result without one), along the direction of the values "DirX",
// "DirY", "DirZ", the length of the parameter "Length" measured on the input "Support". The
// point is found on the face of the support nearest the origin by walking along the direction
// until the length on the surface is reached; a length the face cannot hold fails. The extension
// registers the kind and gives its ZORIWENPointOnSurface.

#include "ZORFeatureExtension.h"
#include "ZORIWENPointOnSurface.h"

class ZORWENPointOnSurfaceExt : public ZORFeatureExtension, public ZORIWENPointOnSurface {
  ZOR_DECLARE_CLASS(ZORWENPointOnSurfaceExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "GSMInterfaces")
  ZOR_IMPLEMENTS(ZORFeatureExtension, ZORIWENPointOnSurface)

  static constexpr const char* kTypeName = "WENPointOnSurface";

  ZORWENPointOnSurfaceExt() = default;

  ZORISpecObject_var GetSupport() override;
  ZORISpecObject_var GetOrigin() override;
  ZORICkeParm_var GetLength() override;
  ZORMathVector GetDirection() override;
  HRESULT SetDirection(const ZORMathVector& direction) override;

  //! `direction` normalised, (1, 0, 0) for a zero vector.
  static ZORMathVector UnitDirection(const ZORMathVector& direction);
};
