#include "ZORHandleDriver.h"

#include "ZORDriver.h"
#include "ZORFrmEditor.h"

template <class Action>
bool ZORHandleDriver::Act(Action&& action) {
  const bool done = action();
  driver_.EndTransaction();
  return done;
}

std::vector<ZOR3DVisuHandle*> ZORHandleDriver::ShownHandles() const {
  std::vector<ZOR3DVisuHandle*> handles;
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORISO* iso = editor ? editor->GetISO() : nullptr;
  if (!iso) return handles;
  for (const ZORBaseUnknown_var& element : iso->GetElements()) {
    if (auto* handle = dynamic_cast<ZOR3DVisuHandle*>(element.get())) handles.push_back(handle);
  }
  return handles;
}

std::vector<std::string> ZORHandleDriver::DescribeHandles() const {
  std::vector<std::string> lines;
  for (const ZOR3DVisuHandle* handle : ShownHandles()) {
    std::string line = handle->GetName().str();
    if (!handle->IsPickable()) line += " nopick";
    if (handle->IsPreactivated()) line += " over";
    const ZOR3DRep* rep = handle->GetRep();
    lines.push_back(line + " " + (rep ? rep->Describe() : "(none)"));
  }
  return lines;
}

ZOR3DVisuHandle* ZORHandleDriver::HandleAt(int rank) const {
  const std::vector<ZOR3DVisuHandle*> handles = ShownHandles();
  if (rank < 1 || rank > static_cast<int>(handles.size())) return nullptr;
  return handles[static_cast<std::size_t>(rank - 1)];
}

bool ZORHandleDriver::LeaveAllBut(const ZOR3DVisuHandle* kept) {
  bool left = false;
  for (ZOR3DVisuHandle* handle : ShownHandles()) {
    if (handle == kept || !handle->IsPreactivated()) continue;
    ZOR3DVisuHandle_var alive(handle);
    left = handle->MoveAway() || left;
  }
  return left;
}

bool ZORHandleDriver::MoveOver(int rank) {
  return Act([&] {
    ZOR3DVisuHandle_var handle(HandleAt(rank));
    if (!handle || !handle->IsPickable()) return false;
    LeaveAllBut(handle.get());
    return handle->MoveOver();
  });
}

bool ZORHandleDriver::MoveAway() {
  return Act([&] { return LeaveAllBut(nullptr); });
}

bool ZORHandleDriver::Click(int rank) {
  return Act([&] {
    ZOR3DVisuHandle_var handle(HandleAt(rank));
    if (!handle || !handle->IsPickable()) return false;
    LeaveAllBut(handle.get());
    return handle->Click();
  });
}
