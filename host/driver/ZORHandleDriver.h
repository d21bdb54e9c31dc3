#pragma once
// The user's pointer over the handles shown in the 3D view (the current editor's interactive
// set): handles, and the 3D manipulators grabbed through what the set shows. Move over one,
// move away, click it, ask for its context menu, drag it; and drag the manipulator of a 2D
// viewer. Handles are named by their rank among those shown, from 1, in the order they were
// made (a handle that redraws itself keeps its rank). Each action is one user event: the
// transaction ends after it.

#include <string>
#include <vector>

#include "ZOR3DVisuHandle.h"
#include "ZORMathPoint.h"

class ZORDriver;
class ZORISO;
class ZORNavigation2DViewer;

class ZORHandleDriver {
 public:
  explicit ZORHandleDriver(ZORDriver& driver) : driver_(driver) {}

  // The handles shown now, in order.
  std::vector<ZORVisuHandle*> ShownHandles() const;
  // One line per shown handle: its name, "nopick" when it cannot be picked, "over" while the
  // pointer is over it, then what it draws.
  std::vector<std::string> DescribeHandles() const;

  // The pointer comes over the handle, leaving the one it was over (a manipulator it is over
  // already gets a move). False when there is no such handle or it cannot be picked (nothing
  // is sent then).
  bool MoveOver(int rank);
  // The pointer leaves the handle it is over; false when it is over none.
  bool MoveAway();
  // A click on the handle; the pointer comes over it first.
  bool Click(int rank);
  // A double click on a manipulator (its edit); the pointer comes over it first. False for a
  // plain handle.
  bool DoubleClick(int rank);
  // The contextual request on a handle, then the menu item `item` chosen (none when empty);
  // false when the handle cannot be pointed or the item cannot be chosen.
  bool Context(int rank, const std::string& item = std::string());
  // Something dragged elsewhere carried over a manipulator, then away; false for a plain
  // handle.
  bool CarryOver(int rank);
  // A drag of a 3D manipulator towards `target` in `steps` steps, along its constraint; false
  // for a plain handle.
  bool Drag(int rank, const ZORMathPoint& target, int steps);
  // A drag of the first pickable manipulator of `viewer` to (x, y); false when it has none.
  bool Drag(ZORNavigation2DViewer& viewer, double x, double y);

 private:
  // Leaves every handle `iso` shows that the pointer is over, but `kept`.
  static bool LeaveAllBut(ZORISO& iso, const ZORVisuHandle* kept);
  template <class Action>
  bool Act(Action&& action);
  // Runs `work` on the pickable handle at `rank`, the pointer leaving the others first.
  template <class Work>
  bool OnHandle(int rank, Work&& work);

  ZORDriver& driver_;
};
