#include "ZORDlgPushButton.h"

#include "ZORDlgActivateNotification.h"

ZORDlgPushButton::ZORDlgPushButton(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style), activate_(ZORMake<ZORDlgActivateNotification>()) {}

ZORDlgPushButton::~ZORDlgPushButton() = default;

bool ZORDlgPushButton::Click() {
  if (!IsUserReachable()) return false;
  SendUserNotification(activate_);
  return true;
}
