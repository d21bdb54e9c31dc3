#pragma once
// A window of its own: it starts hidden, a user reaches it whatever its parent's state, and
// the user can close it from its frame, which only sends the window-close notification (what
// happens next is the listener's business). Dialogs are windows with buttons.
//
// One window at most holds the power input focus (where typing goes): a window takes it while
// shown, and loses it when it releases it, is hidden or goes. Nobody holds it then, until a
// window takes it again (a panel closing hands it back to its owner dialog that way).

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

  //! Takes the power input focus from whichever window held it; false, changing nothing, while
  //! this window is hidden or being destroyed.
  bool SetPowerInputFocus();
  //! Lets go of the power input focus; false when this window did not hold it.
  bool ReleasePowerInputFocus();
  bool HasPowerInputFocus() const { return FocusHolder() == this; }
  //! The window holding the power input focus; null when none does.
  static ZORDlgWindow* GetPowerInputFocusWindow() { return FocusHolder(); }

 protected:
  void OnVisibilityChanged(int previous) override;

 private:
  static ZORDlgWindow*& FocusHolder();

  ZORVar<ZORNotification> windClose_;
};
