#include "ZORDlgWindow.h"

#include "ZORDlgWindCloseNotification.h"

ZORDlgWindow::ZORDlgWindow(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style), windClose_(ZORMake<ZORDlgWindCloseNotification>()) {
  SetVisibility(kHidden);
}

ZORDlgWindow::~ZORDlgWindow() = default;

bool ZORDlgWindow::Close() {
  if (!IsUserReachable()) return false;
  SendUserNotification(windClose_);
  return true;
}
