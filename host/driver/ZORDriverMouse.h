#pragma once
// The user's pointer over the model in the 3D view, looking down the view's Z axis: the view
// sends the current command a notification (a ZORActivate for a click) carrying a
// ZORIndicationSegment through the point under the pointer, with the path of what lies under it,
// which the command offers to the agents of its current state (work-on-support
// agents decode it). Each move or click is one user event: the transaction ends after it.

#include "ZORMathPoint.h"

class ZORDriver;

class ZORDriverMouse {
 public:
  explicit ZORDriverMouse(ZORDriver& driver) : driver_(driver) {}

  // False, sending nothing, without an active command.
  bool Move(const ZORMathPoint& under);
  bool Click(const ZORMathPoint& under);

 private:
  bool Send(const ZORMathPoint& under, bool clicked);

  ZORDriver& driver_;
};
