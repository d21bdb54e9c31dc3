#include "ZORHandleDriver.h"

#include <algorithm>

#include "ZOR2DManipulator.h"
#include "ZOR3DBagRep.h"
#include "ZOR3DManipulator.h"
#include "ZORDriver.h"
#include "ZORFrmEditor.h"
#include "ZORNavigation2DViewer.h"

namespace {

// What `handle` draws: its own representation, or what grabs a manipulator.
const ZOR3DRep* DrawingOf(const ZORVisuHandle& handle, const ZORISO& iso) {
  if (auto* shown = dynamic_cast<const ZOR3DVisuHandle*>(&handle)) return shown->GetRep();
  auto* manipulator = dynamic_cast<const ZOR3DManipulator*>(&handle);
  if (!manipulator) return nullptr;
  for (const ZORBaseUnknown_var& element : iso.GetElements()) {
    auto* carrier = dynamic_cast<ZORSt3DISO*>(element.get());
    if (carrier && carrier->GetRep() && manipulator->IsGrabbedBy(*carrier->GetRep())) {
      return carrier->GetRep();
    }
  }
  return nullptr;
}

// Whether `rep`, or a bag that holds it, is carried into `iso` by a carrier (not a handle of
// its own) through which the pointer grabs `manipulator`.
bool ShowsThrough(const ZOR3DRep& rep, const ZOR3DManipulator& manipulator, ZORISO& iso) {
  const auto carriers = ZORSt3DISO::CarriersOf(rep);
  const bool carried = std::any_of(carriers.begin(), carriers.end(), [&iso](ZORSt3DISO* carrier) {
    return !dynamic_cast<ZOR3DVisuHandle*>(carrier) && iso.IsMember(carrier);
  });
  if (carried && ZOR3DManipulator::GrabbedBy(rep) == &manipulator) return true;
  return std::any_of(rep.GetFatherReps().begin(), rep.GetFatherReps().end(),
                     [&](const ZOR3DBagRep* bag) { return ShowsThrough(*bag, manipulator, iso); });
}

// Whether `iso` shows `handle`: a handle of its own as a member, a manipulator through what
// grabs it. Found from the handle, so that many handles shown cost nothing to one of them.
bool IsShown(ZORVisuHandle& handle, ZORISO& iso) {
  if (auto* shown = dynamic_cast<ZOR3DVisuHandle*>(&handle)) return iso.IsMember(shown);
  auto* manipulator = dynamic_cast<ZOR3DManipulator*>(&handle);
  if (!manipulator) return false;
  if (const ZOR3DRep* rep = manipulator->GetAssociatedRep();
      rep && ShowsThrough(*rep, *manipulator, iso)) {
    return true;
  }
  return std::any_of(
      manipulator->GetRepsToManipulate().begin(), manipulator->GetRepsToManipulate().end(),
      [&](const ZOR3DRep_var& rep) { return ShowsThrough(*rep, *manipulator, iso); });
}

// The interactive set of the current editor; null without one.
ZORISO* CurrentISO() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? editor->GetISO() : nullptr;
}

}  // namespace

template <class Action>
bool ZORHandleDriver::Act(Action&& action) {
  const bool done = action();
  driver_.EndTransaction();
  return done;
}

template <class Work>
bool ZORHandleDriver::OnHandle(int rank, Work&& work) {
  return Act([&] {
    ZORISO* iso = CurrentISO();
    if (!iso || rank < 1) return false;
    // Handles are ranked by creation: walking the live ones in order stops at the one asked
    // for, however many follow it.
    ZORVar<ZORVisuHandle> handle;
    int seen = 0;
    for (ZORVisuHandle* live : ZORVisuHandle::GetLiveHandles()) {
      if (IsShown(*live, *iso) && ++seen == rank) {
        handle = live;
        break;
      }
    }
    if (!handle || !handle->IsPickable()) return false;
    LeaveAllBut(*iso, handle.get());
    return work(*handle);
  });
}

std::vector<ZORVisuHandle*> ZORHandleDriver::ShownHandles() const {
  std::vector<ZORVisuHandle*> handles;
  ZORISO* iso = CurrentISO();
  if (!iso) return handles;
  for (ZORVisuHandle* handle : ZORVisuHandle::GetLiveHandles()) {
    if (IsShown(*handle, *iso)) handles.push_back(handle);
  }
  return handles;
}

std::vector<std::string> ZORHandleDriver::DescribeHandles() const {
  std::vector<std::string> lines;
  ZORISO* iso = CurrentISO();
  for (const ZORVisuHandle* handle : ShownHandles()) {
    std::string line = handle->GetName().str();
    if (!handle->IsPickable()) line += " nopick";
    if (handle->IsPreactivated()) line += " over";
    const ZOR3DRep* rep = DrawingOf(*handle, *iso);
    lines.push_back(line + " " + (rep ? rep->Describe() : "(none)"));
  }
  return lines;
}

bool ZORHandleDriver::LeaveAllBut(ZORISO& iso, const ZORVisuHandle* kept) {
  // Moving away notifies listeners, which may change who is over what: hold the ones to leave.
  std::vector<ZORVar<ZORVisuHandle>> leaving;
  for (ZORVisuHandle* handle : ZORVisuHandle::GetPreactivatedHandles()) {
    if (handle != kept && IsShown(*handle, iso)) leaving.emplace_back(handle);
  }
  bool left = false;
  for (const ZORVar<ZORVisuHandle>& handle : leaving) left = handle->MoveAway() || left;
  return left;
}

bool ZORHandleDriver::MoveOver(int rank) {
  return OnHandle(rank, [](ZORVisuHandle& handle) {
    if (auto* manipulator = dynamic_cast<ZORManipulator*>(&handle)) return manipulator->MoveOn();
    return handle.MoveOver();
  });
}

bool ZORHandleDriver::MoveAway() {
  return Act([&] {
    ZORISO* iso = CurrentISO();
    return iso && LeaveAllBut(*iso, nullptr);
  });
}

bool ZORHandleDriver::Click(int rank) {
  return OnHandle(rank, [](ZORVisuHandle& handle) {
    if (auto* manipulator = dynamic_cast<ZORManipulator*>(&handle)) return manipulator->ClickOn();
    return handle.Click();
  });
}

bool ZORHandleDriver::DoubleClick(int rank) {
  return OnHandle(rank, [](ZORVisuHandle& handle) {
    auto* manipulator = dynamic_cast<ZORManipulator*>(&handle);
    return manipulator && manipulator->EditOn();
  });
}

bool ZORHandleDriver::Context(int rank, const std::string& item) {
  return OnHandle(rank, [&](ZORVisuHandle& handle) { return handle.ContextOn(item); });
}

bool ZORHandleDriver::CarryOver(int rank) {
  return OnHandle(rank, [](ZORVisuHandle& handle) {
    auto* manipulator = dynamic_cast<ZORManipulator*>(&handle);
    return manipulator && manipulator->CarryOver();
  });
}

bool ZORHandleDriver::Drag(int rank, const ZORMathPoint& target, int steps) {
  return OnHandle(rank, [&](ZORVisuHandle& handle) {
    auto* manipulator = dynamic_cast<ZOR3DManipulator*>(&handle);
    return manipulator && manipulator->Drag(target, steps);
  });
}

bool ZORHandleDriver::Drag(ZORNavigation2DViewer& viewer, double x, double y) {
  return Act([&] {
    if (!viewer.IsUserReachable()) return false;
    for (const ZOR2DManipulator_var& manipulator : viewer.GetManipulators()) {
      if (!manipulator->IsPickable()) continue;
      ZOR2DManipulator_var alive(manipulator);
      return alive->Drag({x, y});
    }
    return false;
  });
}
