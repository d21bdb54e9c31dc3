#pragma once
// The BRep access of BRep features ("BRepFeature", what a pick makes): the support they
// designate and the shape body that holds it.

#include "ZORFeatureExtension.h"
#include "ZORIBRepAccess.h"

class ZORBRepAccessExt : public ZORFeatureExtension, public ZORIBRepAccess {
  ZOR_DECLARE_CLASS(ZORBRepAccessExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")
  ZOR_IMPLEMENTS(ZORFeatureExtension, ZORIBRepAccess)

  ZORBRepAccessExt() = default;

  ZORISpecObject_var GetSupportFeature() override;
  ZORISpecObject_var GetShapeFeatureBody() override;
};
