#pragma once
// A radio item of a contextual menu: exclusive among the radio items of its menu. Choosing it
// checks it, unchecks the others and sends its modify notification.

#include "ZORDlgMenuItem.h"

class ZORDlgRadioItem : public ZORDlgMenuItem {
  ZOR_DECLARE_CLASS(ZORDlgRadioItem, ZORDlgMenuItem, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgRadioItem(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                           unsigned long style = 0);
  ~ZORDlgRadioItem() override;

  bool IsChecked() const { return checked_; }
  //! Checks (unchecking the other radio items of the menu) or unchecks, sending nothing.
  void SetChecked(bool checked);
  ZORNotification* GetMenuIModifyNotification() const { return modify_; }

 private:
  void OnChosen() override;

  bool checked_ = false;
  ZORVar<ZORNotification> modify_;
};
