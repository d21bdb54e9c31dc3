#include "ZORDlgRadioItem.h"

#include "ZORDlgModifyNotification.h"

ZORDlgRadioItem::ZORDlgRadioItem(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDlgMenuItem(parent, name, style), modify_(ZORMake<ZORDlgModifyNotification>()) {}

ZORDlgRadioItem::~ZORDlgRadioItem() = default;

void ZORDlgRadioItem::SetChecked(bool checked) {
  if (checked && GetDialogParent()) {
    for (ZORDialog* sibling : GetDialogParent()->GetDialogChildren()) {
      if (auto* radio = dynamic_cast<ZORDlgRadioItem*>(sibling)) radio->checked_ = false;
    }
  }
  checked_ = checked;
}

void ZORDlgRadioItem::OnChosen() {
  SetChecked(true);
  SendUserNotification(modify_);
}
