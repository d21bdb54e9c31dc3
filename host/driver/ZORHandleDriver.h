#pragma once
// The user's pointer over the handles shown in the 3D view (the current editor's interactive
// set): move over a handle, move away, click it. Handles are named by their rank among the
// handles shown, from 1, in the order they were shown. Each action is one user event: the
// transaction ends after it.

#include <string>
#include <vector>

#include "ZOR3DVisuHandle.h"

class ZORDriver;

class ZORHandleDriver {
 public:
  explicit ZORHandleDriver(ZORDriver& driver) : driver_(driver) {}

  // The handles shown now, in order.
  std::vector<ZOR3DVisuHandle*> ShownHandles() const;
  // One line per shown handle: its name, "nopick" when it cannot be picked, "over" while the
  // pointer is over it, then what it draws.
  std::vector<std::string> DescribeHandles() const;

  // The pointer comes over the handle, leaving the one it was over. False when there is no
  // such handle or it cannot be picked (nothing is sent then).
  bool MoveOver(int rank);
  // The pointer leaves the handle it is over; false when it is over none.
  bool MoveAway();
  // A click on the handle; the pointer comes over it first.
  bool Click(int rank);

 private:
  ZOR3DVisuHandle* HandleAt(int rank) const;
  // Leaves every handle the pointer is over, but `kept`.
  bool LeaveAllBut(const ZOR3DVisuHandle* kept);
  template <class Action>
  bool Act(Action&& action);

  ZORDriver& driver_;
};
