#pragma once
// The shape feature properties of shape bodies. The choice of the body itself is part of the
// body's state, so undo gives it back; a body that holds no feature designates none and is
// current itself whatever was chosen.

#include "ZORFeatureExtension.h"
#include "ZORIShapeFeatureProperties.h"

class ZORShapeFeaturePropertiesExt : public ZORFeatureExtension, public ZORIShapeFeatureProperties {
  ZOR_DECLARE_CLASS(ZORShapeFeaturePropertiesExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")

  ZORShapeFeaturePropertiesExt() = default;
  //! Answers ZORIShapeFeatureProperties for shape bodies only.
  HRESULT QueryInterface(const IID& iid, void** out) override;

  int IsCurrentItself() override;
  HRESULT SetCurrentItself(int itself) override;
  ZORISpecObject_var GetDesignatedFeature() override;
};
