#pragma once
// The several-solution interface of "WENPointAlongLine" features; the type is registered with
// it. Such a feature places a point at the value "Distance" (10 mm by default) from its input
// "Point" along its input "Line", on either side: solution 0 along the line's direction (its
// orientation 1), solution 1 against it (orientation -1). Its value "Solution" chooses its
// result. A zero distance gives one solution, the point itself.

#include <optional>
#include <vector>

#include "ZORBaseExtension.h"
#include "ZORFeature.h"
#include "ZORIWENPreviewMultiple.h"
#include "ZORMathPoint.h"

class ZORWENPointAlongLineExt : public ZORBaseExtension, public ZORIWENPreviewMultiple {
  ZOR_DECLARE_CLASS(ZORWENPointAlongLineExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "Geometry")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIWENPreviewMultiple)

  static constexpr const char* kTypeName = "WENPointAlongLine";

  ZORWENPointAlongLineExt() = default;

  int ComputeSolutions(ZORListPtrZORBody& bodies, int*& orientations) override;

  //! The solution points of `feature`, in solution order; empty with `diagnostic` set when its
  //! inputs give none.
  static std::vector<ZORMathPoint> Solutions(const ZORFeature& feature, std::string& diagnostic);
};
