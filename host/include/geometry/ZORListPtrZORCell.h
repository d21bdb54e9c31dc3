#pragma once
// A 1-based list of cell pointers that does not hold its cells. Cells gathered from several
// picks or bodies may repeat: RemoveDuplicates keeps the first of each, in order.

#include <unordered_set>

#include "ZORCell.h"
#include "ZORListVal.h"

class ZORListPtrZORCell : public ZORListVal<ZORCell*> {
 public:
  using ZORListVal<ZORCell*>::ZORListVal;

  //! Removes every repeat of a cell after its first place (and null entries); answers how
  //! many entries went. Linear in the size.
  int RemoveDuplicates() {
    std::unordered_set<const ZORCell*> seen;
    ZORListVal<ZORCell*> kept;
    for (ZORCell* cell : *this) {
      if (cell && seen.insert(cell).second) kept.Append(cell);
    }
    const int removed = Size() - kept.Size();
    static_cast<ZORListVal<ZORCell*>&>(*this) = std::move(kept);
    return removed;
  }
};
