#pragma once
// A connected piece of a body: cells that reach one another through shared vertices and edges.
// Domains are numbered from 1 in the order of their first cell in the body.

#include <string>
#include <vector>

#include "ZORCell.h"
#include "ZORListPtrZORCell.h"

class ZORDomain : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORDomain, ZORBaseUnknown, ZORMetaObject::Implementation, "Geometry")

  ZORDomain() = default;
  //! The domain `number` made of `cells`, in their body's order.
  ZORDomain(int number, std::vector<ZORCell_var> cells);

  //! Its number in its body, from 1.
  int GetNumber() const { return number_; }
  //! Its cells, in their body's order.
  const std::vector<ZORCell_var>& GetCells() const { return cells_; }
  //! Appends its cells of `dimension` to `cells`.
  void GetCells(int dimension, ZORListPtrZORCell& cells) const;
  //! The highest dimension of its cells (-1 for none).
  int GetHighestDimension() const;
  //! The centre of gravity of its cells of highest dimension, each weighted by its length or
  //! area (vertices alone: their mean).
  ZORMathPoint GetCenterOfGravity() const;
  //! "domain 1: 3 vertices, 2 edges, 0 faces".
  std::string Describe() const;

 private:
  int number_ = 0;
  std::vector<ZORCell_var> cells_;
};

using ZORDomain_var = ZORVar<ZORDomain>;
