#include "ZORApplicationFrame.h"

#include "ZORDialog.h"

namespace {

struct FrameState {
  // Never released at exit: panels under the main window may outlive other statics otherwise.
  ZORApplicationFrame* frame = nullptr;
  bool framePresent = true;
  bool mainWindowPresent = true;
};

FrameState& State() {
  static FrameState state;
  return state;
}

void CollectOpen(const ZORDialog* dialog, std::vector<ZORDialog*>& open) {
  for (ZORDialog* child : dialog->GetDialogChildren()) {
    if (child->IsWindow() && child->GetVisibility() == ZORDialog::kShown) open.push_back(child);
    CollectOpen(child, open);
  }
}

}  // namespace

ZORApplicationFrame::ZORApplicationFrame()
    : mainWindow_(ZORVar<ZORDialog>::Adopt(new ZORDialog(nullptr, "MainWindow"))) {}

ZORApplicationFrame::~ZORApplicationFrame() = default;

ZORApplicationFrame* ZORApplicationFrame::GetFrame() {
  FrameState& s = State();
  if (!s.framePresent) return nullptr;
  if (!s.frame) s.frame = new ZORApplicationFrame();
  return s.frame;
}

ZORDialog* ZORApplicationFrame::GetMainWindow() const {
  return State().mainWindowPresent ? mainWindow_.get() : nullptr;
}

std::vector<ZORDialog*> ZORApplicationFrame::GetOpenDialogs() const {
  std::vector<ZORDialog*> open;
  if (ZORDialog* main = GetMainWindow()) CollectOpen(main, open);
  return open;
}

void ZORApplicationFrame::SetFramePresent(bool present) {
  State().framePresent = present;
}
void ZORApplicationFrame::SetMainWindowPresent(bool present) {
  State().mainWindowPresent = present;
}

void ZORApplicationFrame::Reset() {
  FrameState& s = State();
  ZORApplicationFrame* frame = s.frame;
  s = FrameState();
  if (frame) frame->Release();
}
