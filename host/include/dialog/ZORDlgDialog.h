#pragma once
// A dialog window with OK, Apply and Cancel buttons, a Close button and a window frame that
// can be closed. A dialog starts hidden. Pressing a button or closing the window only sends
// the matching notification: what happens next is the listener's business (closing the
// window does not destroy the dialog).

#include "ZORDlgWindow.h"
#include "ZORVar.h"

class ZORDlgDialog : public ZORDlgWindow {
  ZOR_DECLARE_CLASS(ZORDlgDialog, ZORDlgWindow, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgDialog(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                        unsigned long style = 0);
  ~ZORDlgDialog() override;

  ZORNotification* GetDiaOKNotification() const { return ok_; }
  ZORNotification* GetDiaAPPLYNotification() const { return apply_; }
  ZORNotification* GetDiaCANCELNotification() const { return cancel_; }
  ZORNotification* GetDiaCLOSENotification() const { return close_; }

  // The OK button's sensitivity (kSensitive or kInsensitive) and title.
  void SetOKSensitivity(int sensitivity);
  int GetOKSensitivity() const { return okSensitivity_; }
  void SetOKTitle(const ZORUnicodeString& title) { okTitle_ = title; }
  const ZORUnicodeString& GetOKTitle() const { return okTitle_; }

  // User actions. Each answers false, sending nothing, when the user could not do it (the
  // dialog hidden or insensitive, the OK button insensitive).
  bool PressOK();
  bool PressApply();
  bool PressCancel();
  bool PressClose();

 private:
  bool Press(ZORNotification* notification);

  ZORVar<ZORNotification> ok_;
  ZORVar<ZORNotification> apply_;
  ZORVar<ZORNotification> cancel_;
  ZORVar<ZORNotification> close_;
  int okSensitivity_ = kSensitive;
  ZORUnicodeString okTitle_;
};
