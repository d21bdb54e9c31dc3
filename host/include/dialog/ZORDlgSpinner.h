#pragma once
// A spinner: a single-precision number between a minimum and a maximum, moved by arrows one
// step at a time (the range divided by the number of steps) or typed. The value always stays in
// the range, also once rounded to a float. A user's change sends the modify notification; the
// setters send nothing unless asked to. A typed value outside the range is refused.

#include <string>

#include "ZORDialog.h"
#include "ZORVar.h"

class ZORDlgSpinner : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgSpinner, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgSpinner(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                         unsigned long style = 0);
  ~ZORDlgSpinner() override;

  //! Sets the range and the number of steps across it; false, changing nothing, for an empty
  //! or non-finite range or fewer than one step. The value is brought into the new range.
  //! `display` is the platform's redisplay flag: a range change never sends the modify
  //! notification, so that an owner's setting is not taken for a user's change.
  bool SetRange(double minimum, double maximum, int steps, int display = 0);
  double GetMinimum() const { return minimum_; }
  double GetMaximum() const { return maximum_; }
  //! The value an arrow click adds or takes away.
  double GetStep() const { return (maximum_ - minimum_) / steps_; }
  //! Sets the value, clamped to the range; NaN and infinity are refused (false). With
  //! `notify` the modify notification is sent as for a user's change.
  bool SetCurrentValue(double value, int notify = 0);
  float GetCurrentValue() const { return value_; }
  //! The format of the shown value ("%g" until set): one floating conversion with optional
  //! width and precision ("%4.4f"), text around it; false, keeping the format, otherwise.
  bool SetFormat(const std::string& format);
  //! The value as shown.
  std::string GetShownText() const;
  ZORNotification* GetSpinnerModifyNotification() const { return modify_; }

  //! The user clicks the up or down arrow `clicks` times; false, sending nothing, when the
  //! spinner cannot be reached or already stands at that end of its range.
  bool Spin(bool up, int clicks = 1);
  //! The user types a value and presses Enter; false for what is not a finite number.
  bool Type(const std::string& text);

 private:
  bool Change(double value);
  // `value` clamped to the range and rounded to a float that is still in it.
  float InRange(double value) const;

  double minimum_ = 0;
  double maximum_ = 100;
  int steps_ = 100;
  float value_ = 0;
  std::string format_ = "%g";
  ZORVar<ZORNotification> modify_;
};
