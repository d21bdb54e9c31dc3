#pragma once
// The geometry of wireframe and surface features (ZORIMfGeom), read from their current result.

#include "ZORFeatureExtension.h"
#include "ZORIMfGeom.h"

class ZORMfGeomExt : public ZORFeatureExtension, public ZORIMfGeom {
  ZOR_DECLARE_CLASS(ZORMfGeomExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")

  ZORMfGeomExt() = default;
  HRESULT QueryInterface(const IID& iid, void** out) override;

  int IsAPlane() override;
  HRESULT GetPlane(ZORMathPlane& plane) override;
};
