#pragma once
// A window of its own: it starts hidden, a user reaches it whatever its parent's state, and
// the user can close it from its frame, which only sends the window-close notification (what
// happens next is the listener's business). Dialogs are windows with buttons.

#include "ZORDialog.h"
#include "ZORVar.h"

class ZORDlgWindow : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgWindow, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgWindow(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                        unsigned long style = 0);
  ~ZORDlgWindow() override;

  bool IsWindow() const override { return true; }
  //! Sent when the user closes the window from its frame.
  ZORNotification* GetWindCloseNotification() const { return windClose_; }
  //! The user closes the window from its frame; false, sending nothing, when it is hidden or
  //! insensitive.
  bool Close();

 private:
  ZORVar<ZORNotification> windClose_;
};
