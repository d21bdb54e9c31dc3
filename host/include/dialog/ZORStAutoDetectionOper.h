#pragma once
// What a remote acquisition detected under the pointer: the point, and the path of the element
// it lies on (unset for a point in space, on the view's plane).

#include "ZORMathPoint.h"
#include "ZORPathElement.h"

class ZORStAutoDetectionOper : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORStAutoDetectionOper, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORStAutoDetectionOper(const ZORMathPoint& point, ZORPathElement path)
      : point_(point), path_(std::move(path)) {}

  const ZORMathPoint& GetPoint() const { return point_; }
  const ZORPathElement& GetPath() const { return path_; }
  //! Whether the point lies on an element of the model.
  bool IsOnElement() const { return path_.IsSet(); }

 private:
  ZORMathPoint point_;
  ZORPathElement path_;
};

using ZORStAutoDetectionOper_var = ZORVar<ZORStAutoDetectionOper>;
