#include "ZORDlgRadioButton.h"

#include "ZORDlgModifyNotification.h"

ZORDlgRadioButton::ZORDlgRadioButton(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDialog(parent, name, style), modify_(ZORMake<ZORDlgModifyNotification>()) {}

ZORDlgRadioButton::~ZORDlgRadioButton() = default;

std::vector<ZORVar<ZORDlgRadioButton>> ZORDlgRadioButton::Check() {
  std::vector<ZORVar<ZORDlgRadioButton>> unchecked;
  state_ = kChecked;
  if (!GetDialogParent()) return unchecked;
  for (ZORDialog* sibling : GetDialogParent()->GetDialogChildren()) {
    auto* radio = dynamic_cast<ZORDlgRadioButton*>(sibling);
    if (!radio || radio == this || radio->state_ != kChecked) continue;
    radio->state_ = kUnchecked;
    unchecked.emplace_back(radio);
  }
  return unchecked;
}

void ZORDlgRadioButton::SetState(unsigned long state, int notify) {
  if (state == kUnchecked) {
    state_ = kUnchecked;
    if (notify) SendUserNotification(modify_);
    return;
  }
  if (state != kChecked) return;
  ZORVar<ZORDlgRadioButton> keep(this);
  const auto unchecked = Check();
  if (!notify) return;
  for (const auto& radio : unchecked) radio->SendUserNotification(radio->modify_);
  SendUserNotification(modify_);
}

bool ZORDlgRadioButton::Click() {
  if (!IsUserReachable()) return false;
  if (state_ != kChecked) SetState(kChecked, 1);
  return true;
}
