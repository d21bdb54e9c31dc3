#pragma once
// A one-line text field. The user types a text and confirms it with Enter: the field's text
// changes, the modify notification is sent, then the activate notification (Enter). A numeric
// field refuses a text that is not a number.

#include "ZORDialog.h"
#include "ZORUnicodeString.h"
#include "ZORVar.h"

class ZORDlgEditor : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgEditor, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  // Style bit: the field takes numbers only.
  static constexpr unsigned long kNumeric = 0x1;

  explicit ZORDlgEditor(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                        unsigned long style = 0);
  ~ZORDlgEditor() override;

  const ZORUnicodeString& GetText() const { return text_; }
  // Sets the text as a program does: nothing is sent.
  void SetText(const ZORUnicodeString& text) { text_ = text; }
  // The text read as a number; false when it is not one.
  bool GetValue(double& value) const;
  void SetValue(double value);
  // The text read as a whole number; false when it is not one.
  bool GetIntegerValue(int& value) const;
  void SetIntegerValue(int value) { text_ = ZORUnicodeString::Format("%d", value); }
  // Reads a finite number filling the whole text; false, leaving `value`, otherwise.
  static bool ParseNumber(const std::string& text, double& value);

  ZORNotification* GetEditModifyNotification() const { return modify_; }
  ZORNotification* GetEditActivateNotification() const { return activate_; }

  // The user types `text` and presses Enter. False, sending nothing, when the field cannot be
  // reached or a numeric field is given something else than a number.
  bool Type(const ZORUnicodeString& text);

 private:
  ZORUnicodeString text_;
  ZORVar<ZORNotification> modify_;
  ZORVar<ZORNotification> activate_;
};
