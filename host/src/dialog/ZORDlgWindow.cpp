#include "ZORDlgWindow.h"

#include "ZORDlgWindCloseNotification.h"

ZORDlgWindow::ZORDlgWindow(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style), windClose_(ZORMake<ZORDlgWindCloseNotification>()) {
  SetVisibility(kHidden);
}

ZORDlgWindow::~ZORDlgWindow() {
  ReleasePowerInputFocus();
}

ZORDlgWindow*& ZORDlgWindow::FocusHolder() {
  static ZORDlgWindow* holder = nullptr;  // a link: the holder clears it when it goes
  return holder;
}

bool ZORDlgWindow::SetPowerInputFocus() {
  if (GetVisibility() != kShown || IsDestructionRequested()) return false;
  FocusHolder() = this;
  return true;
}

bool ZORDlgWindow::ReleasePowerInputFocus() {
  if (FocusHolder() != this) return false;
  FocusHolder() = nullptr;
  return true;
}

void ZORDlgWindow::OnVisibilityChanged(int previous) {
  ZORDialog::OnVisibilityChanged(previous);
  // A hidden window takes no typing.
  if (GetVisibility() == kHidden) ReleasePowerInputFocus();
}

bool ZORDlgWindow::Close() {
  if (!IsUserReachable()) return false;
  SendUserNotification(windClose_);
  return true;
}
