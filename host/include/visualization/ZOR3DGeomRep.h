#pragma once
// The representation of a body: what the viewer draws for a point, a segment or a plane. Its
// model is the body; a body is not changed once built, so the representation keeps what it
// draws even after the body is gone.

#include <string>

#include "ZOR3DRep.h"

class ZORBody;

class ZOR3DGeomRep : public ZOR3DRep {
  ZOR_DECLARE_CLASS(ZOR3DGeomRep, ZOR3DRep, ZORMetaObject::Implementation, "Visualization")

  ZOR3DGeomRep() = default;
  explicit ZOR3DGeomRep(ZORBody& body);

  // The body's dimension when the representation was built (-1 for none).
  int GetDimension() const { return dimension_; }

 protected:
  std::string DescribeContent() const override { return geometry_; }

 private:
  std::string geometry_ = "empty";
  int dimension_ = -1;
};
