#pragma once
// A message box: a dialog showing a text. Shown blocked, it returns the user's answer, which a
// headless host takes from ZORNotifyAnswers. Every display, blocked or not, is recorded in the
// journal of shown messages.

#include "ZORDlgDialog.h"
#include "ZORShownMessage.h"

class ZORDlgNotify : public ZORDlgDialog {
  ZOR_DECLARE_CLASS(ZORDlgNotify, ZORDlgDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgNotify(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                        unsigned long style = 0)
      : ZORDlgDialog(parent, name, style) {}

  void SetText(const ZORUnicodeString& text) { text_ = text; }
  const ZORUnicodeString& GetText() const { return text_; }

  // Shows `message` under `title`, waits for the answer, hides the box and returns the
  // answer. A failing host service answers 0 and shows nothing.
  int DisplayBlocked(const ZORUnicodeString& message, const ZORUnicodeString& title);

 protected:
  // Records a box made visible as a non-blocking display.
  void OnVisibilityChanged(int previous) override;

 private:
  ZORShownMessage Describe(bool blocking) const;

  ZORUnicodeString text_;
  bool blocked_ = false;
};
