#pragma once
// Picks as a user does in the 3D view: the feature under the mouse is offered, as its pick path
// (the feature, then its result body), to the acquiring agents of the current command's current
// state, first come first served. The transaction ends after the pick, as after any user event.

#include "ZORDriver.h"

class ZORBaseUnknown;

class ZORDriverPick {
 public:
  // Answers whether an agent took the pick; false without a running command, for an object
  // that is not a feature with a result, or when every agent refused it.
  static bool Pick(ZORDriver& driver, ZORBaseUnknown* feature);
};
