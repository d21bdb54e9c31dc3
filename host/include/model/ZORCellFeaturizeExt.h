#pragma once
// Featurization of cells: a vertex becomes a point feature at its coordinates, in the tool of
// the feature it was picked on. Other cells do not featurize. Registered for "ZORCell".

#include "ZORBaseExtension.h"
#include "ZORIFeaturize.h"

class ZORCellFeaturizeExt : public ZORBaseExtension, public ZORIFeaturize {
  ZOR_DECLARE_CLASS(ZORCellFeaturizeExt, ZORBaseExtension, ZORMetaObject::DataExtension, "Geometry")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIFeaturize)

  ZORCellFeaturizeExt() = default;

  ZORISpecObject_var Featurize(ZORBaseUnknown* context, int mode) override;
};
