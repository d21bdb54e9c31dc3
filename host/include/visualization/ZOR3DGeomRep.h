#pragma once
// The representation of a body or of one of its cells: what the viewer draws for it. Its model
// is the body or cell; geometry is not changed once built, so the representation keeps what it
// draws even after its model is gone. A cell's representation takes the cell's pick state.

#include <string>

#include "ZOR3DRep.h"

class ZORBody;
class ZORCell;

class ZOR3DGeomRep : public ZOR3DRep {
  ZOR_DECLARE_CLASS(ZOR3DGeomRep, ZOR3DRep, ZORMetaObject::Implementation, "Visualization")

  ZOR3DGeomRep() = default;
  explicit ZOR3DGeomRep(ZORBody& body);
  //! The representation of one cell, not pickable when the cell is not.
  explicit ZOR3DGeomRep(ZORCell& cell);

  // The body's dimension when the representation was built (-1 for none).
  int GetDimension() const { return dimension_; }

 protected:
  std::string DescribeContent() const override { return geometry_; }

 private:
  std::string geometry_ = "empty";
  int dimension_ = -1;
};
