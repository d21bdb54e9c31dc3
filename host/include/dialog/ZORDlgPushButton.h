#pragma once
// A push button: pressing it sends its activate notification.

#include "ZORDialog.h"
#include "ZORVar.h"

class ZORDlgPushButton : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgPushButton, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgPushButton(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                            unsigned long style = 0);
  ~ZORDlgPushButton() override;

  ZORNotification* GetPushBActivateNotification() const { return activate_; }

  // User action: answers false, sending nothing, when the button cannot be reached.
  bool Click();

 private:
  ZORVar<ZORNotification> activate_;
};
