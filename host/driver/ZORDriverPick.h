#pragma once
// Picks as a user does, in the 3D view or in the feature tree. A pick in the view offers the
// feature under the mouse as its pick path (the feature, then its result body, then the cell
// when one is aimed at or hit under the pointer); a pick in the
// tree offers the feature's own path (the part down to the feature). The path goes to the
// acquiring agents of the current command's current state, first come first served. The
// transaction ends after the pick, as after any user event.

#include "ZORDriver.h"
#include "ZORMathPoint.h"
#include "ZORPathElement.h"

class ZORBaseUnknown;
class ZORCell;

class ZORDriverPick {
 public:
  // Answers whether an agent took the pick; false without an active command, for an object
  // that is not a feature with a result (in the view) or in a document tree (in the tree), or
  // when every agent refused it.
  static bool Pick(ZORDriver& driver, ZORBaseUnknown* feature);
  static bool PickInTree(ZORDriver& driver, ZORBaseUnknown* feature);
  //! A pick in the view of one cell of the feature's result: the path is the feature's, its
  //! body, then the cell. False as Pick, or when the cell is not in the feature's result.
  static bool PickCell(ZORDriver& driver, ZORBaseUnknown* feature, ZORCell* cell);
  //! The path a pick of the `index`-th cell (from 1) of `dimension` of the feature's result
  //! gives; unset when there is none.
  static ZORPathElement CellPath(ZORBaseUnknown* feature, int dimension, int index);
  //! A click in the view over `position`, looking down Z: the viewer's nearest pick on a
  //! feature's result (its path ends at the cell hit) is offered. False as Pick, or when the
  //! eye line meets no result.
  static bool PickAt(ZORDriver& driver, const ZORMathPoint& position);
  // Offers `path` to the current state's acquiring agents, in order, until one takes it; the
  // transaction is not ended.
  static bool OfferPath(ZORDriver& driver, const ZORPathElement& path);
};
