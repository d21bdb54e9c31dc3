#include "ZORDlgCheckButton.h"

#include "ZORDlgDoubleClickNotification.h"
#include "ZORDlgModifyNotification.h"

ZORDlgCheckButton::ZORDlgCheckButton(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style),
      modify_(ZORMake<ZORDlgModifyNotification>()),
      doubleClick_(ZORMake<ZORDlgDoubleClickNotification>()) {}

ZORDlgCheckButton::~ZORDlgCheckButton() = default;

void ZORDlgCheckButton::SetState(unsigned long state, int notify) {
  if (state != kChecked && state != kUnchecked) return;
  state_ = state;
  if (notify) SendUserNotification(modify_);
}

void ZORDlgCheckButton::Toggle() {
  state_ = state_ == kChecked ? kUnchecked : kChecked;
}

bool ZORDlgCheckButton::Click() {
  if (!IsUserReachable()) return false;
  Toggle();
  SendUserNotification(modify_);
  return true;
}

bool ZORDlgCheckButton::DoubleClick() {
  if (!IsUserReachable()) return false;
  ZORVar<ZORDlgCheckButton> keep(this);
  Toggle();
  SendUserNotification(modify_);
  SendUserNotification(doubleClick_);
  return true;
}
