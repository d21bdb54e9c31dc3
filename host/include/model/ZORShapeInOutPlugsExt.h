#pragma once
// The plugs of geometric features, read from where the feature stands: its neighbours among the
// children of the shape body that is its father. Offered by every geometric feature, so that a
// result not yet inserted has plugs too (both null until it stands in a shape body).

#include "ZORFeatureExtension.h"
#include "ZORIShapeInOutPlugs.h"

class ZORShapeInOutPlugsExt : public ZORFeatureExtension, public ZORIShapeInOutPlugs {
  ZOR_DECLARE_CLASS(ZORShapeInOutPlugsExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")

  ZORShapeInOutPlugsExt() = default;
  HRESULT QueryInterface(const IID& iid, void** out) override;

  ZORISpecObject_var GetInputFeature() override { return Neighbour(-1); }
  ZORISpecObject_var GetOutputFeature() override { return Neighbour(+1); }

 private:
  // The child `step` places away from the feature in its father, when that father is a shape
  // body; null otherwise.
  ZORISpecObject_var Neighbour(int step) const;
};
