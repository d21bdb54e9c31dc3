#include "ZORWENUIPanelWindow.h"

#include "ZORApplicationFrame.h"
#include "ZORDlgNotify.h"

ZORDialog* ZORWENUIPanelWindow::ParentFor(ZORDialog* given) {
  if (given && !IsGoing(given)) return given;
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  return frame ? frame->GetMainWindow() : nullptr;
}

bool ZORWENUIPanelWindow::IsGoing(const ZORDialog* dialog) {
  for (const ZORDialog* d = dialog; d; d = d->GetDialogParent()) {
    if (d->IsDestructionRequested()) return true;
  }
  return false;
}

bool ZORWENUIPanelWindow::HasWindow(ZORFrmNotify* panel) {
  if (panel->GetDialogParent()) return true;
  panel->RequestDelayedDestruction();
  return false;
}

void ZORWENUIPanelWindow::Close(ZORFrmNotify* panel) {
  panel->SetVisibility(ZORDialog::kHidden);
  panel->RequestDelayedDestruction();
}

int ZORWENUIPanelWindow::AskBlocked(const ZORString& name, unsigned long style,
                                    const ZORUnicodeString& message,
                                    const ZORUnicodeString& title) {
  ZORDialog* window = ParentFor(nullptr);
  if (!window) return 0;
  auto* box = new ZORDlgNotify(window, name, style);
  const int answer = box->DisplayBlocked(message, title);
  box->RequestDelayedDestruction();
  return answer;
}
