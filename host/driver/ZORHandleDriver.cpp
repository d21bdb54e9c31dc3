#include "ZORHandleDriver.h"

#include <algorithm>
#include <utility>

#include "ZOR2DManipulator.h"
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
    // One look at what is shown serves both the pick and the leaving.
    const std::vector<ZORVisuHandle*> shown = ShownHandles();
    if (rank < 1 || rank > static_cast<int>(shown.size())) return false;
    ZORVar<ZORVisuHandle> handle(shown[static_cast<std::size_t>(rank - 1)]);
    if (!handle->IsPickable()) return false;
    LeaveAllBut(shown, handle.get());
    return work(*handle);
  });
}

std::vector<ZORVisuHandle*> ZORHandleDriver::ShownHandles() const {
  std::vector<ZORVisuHandle*> handles;
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORISO* iso = editor ? editor->GetISO() : nullptr;
  if (!iso) return handles;
  // One pass over the manipulators and one over the set: many handles may be live. Sorting
  // ranks read once keeps the sort from visiting every handle at each comparison.
  const auto grabs = ZOR3DManipulator::GrabIndex();
  std::vector<std::pair<unsigned long, ZORVisuHandle*>> ranked;
  for (const ZORBaseUnknown_var& element : iso->GetElements()) {
    ZORVisuHandle* handle = dynamic_cast<ZOR3DVisuHandle*>(element.get());
    auto* carrier = handle ? nullptr : dynamic_cast<ZORSt3DISO*>(element.get());
    if (carrier && carrier->GetRep())
      handle = ZOR3DManipulator::GrabbedBy(*carrier->GetRep(), grabs);
    if (handle) ranked.emplace_back(handle->GetCreationRank(), handle);
  }
  std::sort(ranked.begin(), ranked.end());
  // A handle shown by several drawings comes once: its ranks sit side by side.
  handles.reserve(ranked.size());
  for (const auto& [rank, handle] : ranked) {
    if (handles.empty() || handles.back() != handle) handles.push_back(handle);
  }
  return handles;
}

std::vector<std::string> ZORHandleDriver::DescribeHandles() const {
  std::vector<std::string> lines;
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  for (const ZORVisuHandle* handle : ShownHandles()) {
    std::string line = handle->GetName().str();
    if (!handle->IsPickable()) line += " nopick";
    if (handle->IsPreactivated()) line += " over";
    const ZOR3DRep* rep = DrawingOf(*handle, *editor->GetISO());
    lines.push_back(line + " " + (rep ? rep->Describe() : "(none)"));
  }
  return lines;
}

bool ZORHandleDriver::LeaveAllBut(const std::vector<ZORVisuHandle*>& shown,
                                  const ZORVisuHandle* kept) {
  bool left = false;
  for (ZORVisuHandle* handle : shown) {
    if (handle == kept || !handle->IsPreactivated()) continue;
    ZORVar<ZORVisuHandle> alive(handle);
    left = handle->MoveAway() || left;
  }
  return left;
}

bool ZORHandleDriver::MoveOver(int rank) {
  return OnHandle(rank, [](ZORVisuHandle& handle) {
    if (auto* manipulator = dynamic_cast<ZORManipulator*>(&handle)) return manipulator->MoveOn();
    return handle.MoveOver();
  });
}

bool ZORHandleDriver::MoveAway() {
  return Act([&] { return LeaveAllBut(ShownHandles(), nullptr); });
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
