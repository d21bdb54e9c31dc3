#pragma once
// A point-cloud body: vertices only, each its own piece.

#include <vector>

#include "ZORBody.h"

class ZORCldBody : public ZORBody {
  ZOR_DECLARE_CLASS(ZORCldBody, ZORBody, ZORMetaObject::Implementation, "Geometry")

  ZORCldBody() = default;
  //! The cloud of `points`; null for none, or for a point that is not finite.
  static ZORVar<ZORCldBody> Make(const std::vector<ZORMathPoint>& points);

  //! "cloud(5 points)".
  std::string Describe() const override;
};

using ZORCldBody_var = ZORVar<ZORCldBody>;
