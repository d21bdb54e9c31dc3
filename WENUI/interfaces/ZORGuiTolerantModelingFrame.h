#pragma once
//! \class ZORGuiTolerantModelingFrame
//! The part of a panel where the user chooses how a result is smoothed: none, G1 or G2 (radio
//! buttons "NoneButton", "G1Button", "G2Button" in "FrameRadio") and, while smoothing is on,
//! the maximum deviation (a knowledge parameter's editor in "FrameDeviation") and the check
//! button "3DSmoothingButton". The father hears ZORWENUIChangeSmoothingTypeNotification when
//! the user picks a type and ZORWENUI3DSmoothingNotification when 3D smoothing is toggled; it
//! reads the frame's getters. A frame built with a non-zero style starts with a titled
//! separator "Separator".
//!
//! Without deviation parameter the deviation frame holds its label only; without settings the
//! deviation stays free.
//!
//! Typical use:
//! \code
//!   auto* tm = new ZORGuiTolerantModelingFrame(panel, "TMFrame", 1);
//!   tm->Build(deviation, ZORWENTMG1Smoothing, 0);
//!   AddAnalyseNotificationCB(tm, tm->GetChangeSmoothingTypeNotification(), &Cmd::TypeCB, nullptr);
//! \endcode

#include "ZORDlgFrame.h"
#include "ZORICkeParm.h"
#include "ZORWENTolerantModelingSmoothingType.h"

class ZORCkeParamFrame;
class ZORDlgCheckButton;
class ZORDlgRadioButton;
class ZORGuiDlgSeparatorWithLabel;
class ZORWENUI3DSmoothingNotification;
class ZORWENUIChangeSmoothingTypeNotification;

class ZORGuiTolerantModelingFrame : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(ZORGuiTolerantModelingFrame, ZORDlgFrame, ZORMetaObject::Implementation,
                    "WENUI")

  //! The frame `name` under `parent`; a non-zero `style` asks for the titled separator.
  ZORGuiTolerantModelingFrame(ZORDialog* parent, const ZORString& name, unsigned long style);
  ~ZORGuiTolerantModelingFrame() override;

  //! (Re)builds the content with `type` checked; a null `deviation` keeps the one held.
  void Build(const ZORICkeParm_var& deviation, ZORWENTolerantModelingSmoothingType type,
             int smoothing3D);
  //! Checks the button of `type` without notice; a type other than 0, 2, 3 changes nothing.
  void SetSmoothingType(ZORWENTolerantModelingSmoothingType type);
  //! The type of the checked button; `type` is left as it was while a button is missing.
  void GetSmoothingType(ZORWENTolerantModelingSmoothingType& type) const;
  //! Records 3D smoothing (1 on) and shows it on the check button when it exists.
  void Set3DSmoothing(int smoothing3D);
  //! 1 when 3D smoothing is on.
  int Is3DSmoothing() const { return smoothing3D_; }
  //! Locks the deviation (access 1) when the settings lock it, unless `checkValue` is set and
  //! its value differs from the settings'; otherwise frees it (access 3).
  void ManageDeviationStatusFromSettings(int checkValue);

  //! Callback of the radio buttons (data: the button's type).
  void ModifyTMType(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the 3D smoothing button.
  void Modify3DSmoothing(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! Attaches the separator, the radio frame and, when they exist, the deviation frame and
  //! the 3D smoothing button.
  void GlobalFrameAttachment();
  //! Forgets the attachments made.
  void ResetGlobalFrameAttachment();
  //! (Re)builds the deviation frame and the 3D smoothing button.
  void BuildExpansedFrame();
  //! Destroys the deviation frame and the 3D smoothing button.
  void RemoveExpansedFrame();

  //! Sent when the user picks a smoothing type.
  ZORWENUIChangeSmoothingTypeNotification* GetChangeSmoothingTypeNotification() const {
    return typeChanged_;
  }
  //! Sent when the user toggles 3D smoothing.
  ZORWENUI3DSmoothingNotification* Get3DSmoothingNotification() const { return smoothingChanged_; }

 private:
  ZORDlgRadioButton* ButtonOf(ZORWENTolerantModelingSmoothingType type) const;
  void DestroyContent();

  ZORDlgFrame* radioFrame_ = nullptr;
  ZORDlgFrame* deviationFrame_ = nullptr;
  ZORDlgRadioButton* none_ = nullptr;
  ZORDlgRadioButton* g1_ = nullptr;
  ZORDlgRadioButton* g2_ = nullptr;
  ZORDlgCheckButton* smoothingButton_ = nullptr;
  ZORGuiDlgSeparatorWithLabel* separator_ = nullptr;
  ZORWENUIChangeSmoothingTypeNotification* typeChanged_ = nullptr;  // handed to the cleaner
  ZORWENUI3DSmoothingNotification* smoothingChanged_ = nullptr;     // handed to the cleaner
  ZORICkeParm_var deviation_;
  int smoothing3D_ = 0;
  int withSeparator_ = 0;
};
