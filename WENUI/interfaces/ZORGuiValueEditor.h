#pragma once
//! \class ZORGuiValueEditor
//! A small dialog holding one spinner, to type a single real value. Each change of the spinner
//! is reported to the father with ZORWENEditValueChangedNotification, except the one change
//! that follows SetSpinnerRange(..., 0). The value is a float: what is set comes back rounded
//! to single precision. Closing the window hides the dialog; its owner destroys it.

#include "ZORFrmDialog.h"
#include "ZORVar.h"

class ZORDlgSpinner;
class ZORWENEditValueChangedNotification;

class ZORGuiValueEditor : public ZORFrmDialog {
  ZOR_DECLARE_CLASS(ZORGuiValueEditor, ZORFrmDialog, ZORMetaObject::Implementation, "WENUI")

  //! The dialog style the editor is made with.
  static constexpr unsigned long kStyle = 0x244000;

  //! The dialog `name` under `parent`, range -10000 to 10000 in 1000000 steps, "%4.4f".
  ZORGuiValueEditor(ZORDialog* parent, ZORString name);
  ~ZORGuiValueEditor() override;

  //! The spinner's value; 0 without spinner.
  float GetValue() const;
  //! Sets the spinner's value (kept in its range) without reporting it; NaN or infinity
  //! change nothing.
  void SetValue(float value);
  //! Sets the spinner's range; with `notify` 0 the next change is not reported. A range the
  //! spinner refuses (empty, non-finite, no step) is kept as it was, and so is the flag.
  void SetSpinnerRange(float minimum, float maximum, int steps, int notify);
  //! Callback of the spinner's modification: reports it unless silenced, then reports again.
  void ValueHasChanged(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the window's close: hides the dialog.
  void Exit(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The notification sent at each reported change.
  ZORWENEditValueChangedNotification* GetValueChangedNotification() const { return changed_; }

 private:
  ZORDlgSpinner* spinner_ = nullptr;
  ZORWENEditValueChangedNotification* changed_ = nullptr;  // handed to the cleaner at the end
  int notify_ = 1;
};
