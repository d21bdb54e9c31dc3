#pragma once
// A check button, checked (kChecked) or unchecked (kUnchecked). A click toggles it and sends the
// modify notification; a double click toggles it once, sends the modify notification and then
// the double-click notification, so that what a listener sets on the double click stays set.

#include "ZORDialog.h"
#include "ZORVar.h"

class ZORDlgCheckButton : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgCheckButton, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  static constexpr unsigned long kChecked = 0x40000;
  static constexpr unsigned long kUnchecked = 0x80000;

  explicit ZORDlgCheckButton(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                             unsigned long style = 0);
  ~ZORDlgCheckButton() override;

  unsigned long GetState() const { return state_; }
  // Sets kChecked or kUnchecked (other values are ignored); with `notify` non-zero the modify
  // notification is sent as a click would send it, without nothing is sent.
  void SetState(unsigned long state, int notify);

  ZORNotification* GetChkBModifyNotification() const { return modify_; }
  ZORNotification* GetChkBDoubleClickNotification() const { return doubleClick_; }

  // User actions: answer false, sending nothing, when the button cannot be reached.
  bool Click();
  bool DoubleClick();

 private:
  void Toggle();

  unsigned long state_ = kUnchecked;
  ZORVar<ZORNotification> modify_;
  ZORVar<ZORNotification> doubleClick_;
};
