#pragma once
// The geometry of a vertex: a point of space. Immutable once made.

#include "ZORMathPoint.h"
#include "ZORVar.h"

class ZORPoint : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORPoint, ZORBaseUnknown, ZORMetaObject::Implementation, "Geometry")

  ZORPoint() = default;
  explicit ZORPoint(const ZORMathPoint& point) : point_(point) {}

  //! The point.
  const ZORMathPoint& GetPoint() const { return point_; }
  //! Its three coordinates.
  void GetCoord(double& x, double& y, double& z) const { point_.GetCoord(x, y, z); }

 private:
  ZORMathPoint point_;
};

using ZORPoint_var = ZORVar<ZORPoint>;
