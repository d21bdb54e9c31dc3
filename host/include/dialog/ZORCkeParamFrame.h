#pragma once
// The editor of one knowledge parameter: a frame showing the parameter's value with its unit
// (three decimals at most, six with spinner arrows), an optional label and, with
// ZORCkeWithSpinner, spinner arrows that step the value by one storage unit. It follows its
// parameter: any change of the value, whoever makes it, refreshes the text. What the user types is
// read in the parameter's magnitude: a number, optionally with the storage unit; another unit, NaN
// or a locked or inactive parameter is refused and changes nothing. A change by the user writes the
// parameter, then sends the modify notification up the editor's father chain.

#include "ZORCke.h"
#include "ZORDlgFrame.h"
#include "ZORICkeParm.h"
#include "ZORVar.h"

// Editor styles.
constexpr unsigned long ZORCkeWithSpinner = 0x1;
constexpr unsigned long ZORCkeNoLabel = 0x2;

class ZORCkeParamFrame : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(ZORCkeParamFrame, ZORDlgFrame, ZORMetaObject::Implementation, "Knowledge")

  //! An editor of `parameter` owned by `parent`; null without parameter or parent.
  static ZORCkeParamFrame* Create(const ZORICkeParm_var& parameter, ZORDialog* parent,
                                  const ZORString& name, unsigned long style,
                                  const ZORUnicodeString& title);
  ~ZORCkeParamFrame() override;

  //! The edited parameter.
  const ZORICkeParm_var& GetParameter() const { return parameter_; }
  //! The value as shown, with its unit ("12.5mm").
  const ZORUnicodeString& GetText() const { return text_; }
  //! Reads the parameter again; its activation decides the editor's sensitivity.
  void Refresh();
  //! Sets the editor sensitive for True, insensitive for False, as a program does.
  void SetEditorState(ZORCke::Boolean state);
  //! Whether the editor has spinner arrows.
  bool HasSpinner() const { return (GetStyle() & ZORCkeWithSpinner) != 0; }
  ZORNotification* GetModifyNotification() const { return modify_; }

  //! The user types `text` and presses Enter; false, changing and sending nothing, when refused.
  bool Type(const ZORUnicodeString& text);
  //! The user clicks the up (or down) arrow `clicks` times; false without arrows or when
  //! the editor or its parameter refuses.
  bool Spin(bool up, int clicks);

 private:
  ZORCkeParamFrame(const ZORICkeParm_var& parameter, ZORDialog* parent, const ZORString& name,
                   unsigned long style);
  bool WriteByUser(double value);

  ZORICkeParm_var parameter_;
  ZORUnicodeString text_;
  ZORVar<ZORNotification> modify_;
};
