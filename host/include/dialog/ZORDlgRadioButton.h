#pragma once
// A radio button: checking one unchecks the other radio buttons of the same parent. A click
// on an unchecked button checks it and sends the modify notification of each button whose
// state changed, the unchecked ones first; every state is already new when they arrive.
// Clicking a checked button changes nothing and sends nothing.

#include <vector>

#include "ZORDialog.h"
#include "ZORVar.h"

class ZORDlgRadioButton : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgRadioButton, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  static constexpr unsigned long kChecked = 0x40000;
  static constexpr unsigned long kUnchecked = 0x80000;

  explicit ZORDlgRadioButton(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                             unsigned long style = 0);
  ~ZORDlgRadioButton() override;

  unsigned long GetState() const { return state_; }
  // Sets kChecked (unchecking the others) or kUnchecked; other values are ignored. With
  // `notify` non-zero the modify notifications are sent as a click would send them.
  void SetState(unsigned long state, int notify);

  ZORNotification* GetRadBModifyNotification() const { return modify_; }

  // User action: answers false, sending nothing, when the button cannot be reached.
  bool Click();

 private:
  // Checks this button; answers the other buttons that were unchecked for it.
  std::vector<ZORVar<ZORDlgRadioButton>> Check();

  unsigned long state_ = kUnchecked;
  ZORVar<ZORNotification> modify_;
};
