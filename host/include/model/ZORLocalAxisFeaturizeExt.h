#pragma once
// Featurization of the axes of a local axis system: an axis becomes an axis feature ("MfAXIS",
// a kind of "WENLine") in the tool of the context feature, holding the axis's origin ("X", "Y",
// "Z") and unit direction ("DX", "DY", "DZ") as values; its result is the segment from the
// origin along the direction, "Length" long (100 when not given). Registered for
// "ZORLocalAxis".

#include "ZORBaseExtension.h"
#include "ZORIFeaturize.h"

class ZORLocalAxisFeaturizeExt : public ZORBaseExtension, public ZORIFeaturize {
  ZOR_DECLARE_CLASS(ZORLocalAxisFeaturizeExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "Geometry")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIFeaturize)

  static constexpr const char* kTypeName = "MfAXIS";
  static constexpr double kDefaultLength = 100.0;

  ZORLocalAxisFeaturizeExt() = default;

  //! The axis feature, updated, in the tool of `context` (a feature in a document tree);
  //! null for another mode or context.
  ZORISpecObject_var Featurize(ZORBaseUnknown* context, int mode) override;
};
