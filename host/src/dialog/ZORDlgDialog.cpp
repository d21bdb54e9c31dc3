#include "ZORDlgDialog.h"

#include "ZORDlgDiaAPPLYNotification.h"
#include "ZORDlgDiaCANCELNotification.h"
#include "ZORDlgDiaCLOSENotification.h"
#include "ZORDlgDiaOKNotification.h"

ZORDlgDialog::ZORDlgDialog(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDlgWindow(parent, name, style),
      ok_(ZORMake<ZORDlgDiaOKNotification>()),
      apply_(ZORMake<ZORDlgDiaAPPLYNotification>()),
      cancel_(ZORMake<ZORDlgDiaCANCELNotification>()),
      close_(ZORMake<ZORDlgDiaCLOSENotification>()) {}

ZORDlgDialog::~ZORDlgDialog() = default;

void ZORDlgDialog::SetOKSensitivity(int sensitivity) {
  if (sensitivity == kSensitive || sensitivity == kInsensitive) okSensitivity_ = sensitivity;
}

bool ZORDlgDialog::Press(ZORNotification* notification) {
  if (!IsUserReachable()) return false;
  SendUserNotification(notification);
  return true;
}

bool ZORDlgDialog::PressOK() {
  if (okSensitivity_ != kSensitive) return false;
  return Press(ok_);
}

bool ZORDlgDialog::PressApply() {
  return Press(apply_);
}
bool ZORDlgDialog::PressCancel() {
  return Press(cancel_);
}
bool ZORDlgDialog::PressClose() {
  return Press(close_);
}
