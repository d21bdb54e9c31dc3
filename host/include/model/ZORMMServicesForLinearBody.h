#pragma once
// The order of features along the document's tree, as a body built feature after feature reads
// it: a feature sees what comes before it.

#include "ZORPathElement.h"

class ZORMMServicesForLinearBody {
 public:
  //! 1 when the leaf of `second` comes before the leaf of `first` in the tree's order, `order`
  //! then 1; 0 otherwise, with `order` -1 when it comes after and 0 when they are the same
  //! feature or not in one tree.
  static int ComparePosition(const ZORPathElement& first, const ZORPathElement& second, int& order);
};
