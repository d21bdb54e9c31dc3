#include "ZORGuiTolerantModelingFrame.h"

#include <new>
#include <utility>

#include "ZORCkeParamFrame.h"
#include "ZORCleaner.h"
#include "ZORDlgCheckButton.h"
#include "ZORDlgLabel.h"
#include "ZORDlgRadioButton.h"
#include "ZORFatalError.h"
#include "ZORGuiDlgSeparatorWithLabel.h"
#include "ZORGuiResourceText.h"
#include "ZORICkeParamFrame.h"
#include "ZORSettingInfo.h"
#include "ZORWENSettings.h"
#include "ZORWENUI3DSmoothingNotification.h"
#include "ZORWENUIChangeSmoothingTypeNotification.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiTolerantModelingFrame";
constexpr unsigned long kFrameStyle = 0x80000;
constexpr int kLocked = 1;
constexpr int kFree = 3;

template <class W, class... Args>
W* MakeWidget(Args&&... args) {
  W* widget = new (std::nothrow) W(std::forward<Args>(args)...);
  if (!widget) ZORFatalError("0", kSource, __LINE__);
  return widget;
}

template <class W>
void DestroyWidget(W*& widget) {
  if (widget) std::exchange(widget, nullptr)->Destroy();
}

bool IsSmoothingType(int type) {
  return type == ZORWENTMNoSmoothing || type == ZORWENTMG1Smoothing || type == ZORWENTMG2Smoothing;
}

}  // namespace

ZORGuiTolerantModelingFrame::ZORGuiTolerantModelingFrame(ZORDialog* parent, const ZORString& name,
                                                         unsigned long style)
    : ZORDlgFrame(parent, name, style),
      typeChanged_(new (std::nothrow) ZORWENUIChangeSmoothingTypeNotification()),
      smoothingChanged_(new (std::nothrow) ZORWENUI3DSmoothingNotification()),
      withSeparator_(style != 0 ? 1 : 0) {}

ZORGuiTolerantModelingFrame::~ZORGuiTolerantModelingFrame() {
  if (typeChanged_) ZORCleaner::DeleteOnTransactionEnd(std::exchange(typeChanged_, nullptr));
  if (smoothingChanged_) {
    ZORCleaner::DeleteOnTransactionEnd(std::exchange(smoothingChanged_, nullptr));
  }
}

void ZORGuiTolerantModelingFrame::DestroyContent() {
  RemoveExpansedFrame();
  // The buttons go with their frame.
  none_ = g1_ = g2_ = nullptr;
  DestroyWidget(radioFrame_);
  DestroyWidget(separator_);
}

void ZORGuiTolerantModelingFrame::Build(const ZORICkeParm_var& deviation,
                                        ZORWENTolerantModelingSmoothingType type, int smoothing3D) {
  if (deviation) deviation_ = deviation;
  smoothing3D_ = smoothing3D;
  ResetGlobalFrameAttachment();
  DestroyContent();
  if (withSeparator_) separator_ = MakeWidget<ZORGuiDlgSeparatorWithLabel>(this, "Separator");

  radioFrame_ = MakeWidget<ZORDlgFrame>(this, "FrameRadio", kFrameStyle);
  const struct {
    ZORDlgRadioButton** button;
    const char* name;
    const char* text;
    ZORWENTolerantModelingSmoothingType type;
  } buttons[] = {{&none_, "NoneButton", "None", ZORWENTMNoSmoothing},
                 {&g1_, "G1Button", "Tangency", ZORWENTMG1Smoothing},
                 {&g2_, "G2Button", "Curvature", ZORWENTMG2Smoothing}};
  int column = 0;
  for (const auto& wanted : buttons) {
    auto* button = MakeWidget<ZORDlgRadioButton>(radioFrame_, wanted.name);
    button->SetTitle(ZORGuiResourceText(*this, ZORString(wanted.name) + ".Title", wanted.text));
    radioFrame_->SetHorizontalAttachment(0, 5, {button});
    radioFrame_->SetVerticalAttachment(column++, 5, {button});
    AddAnalyseNotificationCB(button, button->GetRadBModifyNotification(),
                             &ZORGuiTolerantModelingFrame::ModifyTMType, ZORIntData(wanted.type));
    *wanted.button = button;
  }
  none_->SetState(ZORDlgRadioButton::kChecked, 0);

  SetSmoothingType(IsSmoothingType(type) ? type : ZORWENTMNoSmoothing);
  if (type != ZORWENTMNoSmoothing) {
    BuildExpansedFrame();
  } else {
    RemoveExpansedFrame();
  }
  GlobalFrameAttachment();
}

ZORDlgRadioButton* ZORGuiTolerantModelingFrame::ButtonOf(
    ZORWENTolerantModelingSmoothingType type) const {
  switch (type) {
    case ZORWENTMNoSmoothing:
      return none_;
    case ZORWENTMG1Smoothing:
      return g1_;
    case ZORWENTMG2Smoothing:
      return g2_;
  }
  return nullptr;
}

void ZORGuiTolerantModelingFrame::SetSmoothingType(ZORWENTolerantModelingSmoothingType type) {
  if (!IsSmoothingType(type)) return;
  if (ZORDlgRadioButton* button = ButtonOf(type)) button->SetState(ZORDlgRadioButton::kChecked, 0);
}

void ZORGuiTolerantModelingFrame::GetSmoothingType(
    ZORWENTolerantModelingSmoothingType& type) const {
  if (!none_ || !g1_ || !g2_) return;
  for (auto candidate : {ZORWENTMNoSmoothing, ZORWENTMG1Smoothing, ZORWENTMG2Smoothing}) {
    if (ButtonOf(candidate)->GetState() == ZORDlgRadioButton::kChecked) type = candidate;
  }
}

void ZORGuiTolerantModelingFrame::Set3DSmoothing(int smoothing3D) {
  smoothing3D_ = smoothing3D;
  if (!smoothingButton_) return;
  smoothingButton_->SetState(
      smoothing3D_ ? ZORDlgCheckButton::kChecked : ZORDlgCheckButton::kUnchecked, 0);
}

void ZORGuiTolerantModelingFrame::ManageDeviationStatusFromSettings(int checkValue) {
  if (!deviation_) return;
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  ZORSettingInfo info;
  bool locked =
      settings && SUCCEEDED(settings->GetInfoTMDeviation(&info)) && info.IsLockedSetting();
  if (locked && checkValue)
    locked = deviation_->GetStoredValue() == settings->GetTMDeviationValue();
  const int access = locked ? kLocked : kFree;
  if (deviation_->GetAccess() != access) deviation_->SetAccess(access);
}

void ZORGuiTolerantModelingFrame::ModifyTMType(ZORCommand* sender, ZORNotification*,
                                               ZORCallbackData data) {
  auto* button = dynamic_cast<ZORDlgRadioButton*>(sender);
  // Unchecking the former button sends its own notification: only the new choice counts.
  if (!button || button->GetState() != ZORDlgRadioButton::kChecked) return;
  const auto type = static_cast<ZORWENTolerantModelingSmoothingType>(ZORDataInt(data));
  SetSmoothingType(type);
  if (typeChanged_ && GetFather()) SendNotification(GetFather(), typeChanged_);
}

void ZORGuiTolerantModelingFrame::Modify3DSmoothing(ZORCommand*, ZORNotification*,
                                                    ZORCallbackData) {
  smoothing3D_ =
      smoothingButton_ && smoothingButton_->GetState() == ZORDlgCheckButton::kChecked ? 1 : 0;
  if (smoothingChanged_ && GetFather()) SendNotification(GetFather(), smoothingChanged_);
}

void ZORGuiTolerantModelingFrame::GlobalFrameAttachment() {
  SetHorizontalAttachment(0, 5, {separator_});
  SetHorizontalAttachment(1, 5, {radioFrame_});
  if (deviationFrame_) {
    SetHorizontalAttachment(2, 5, {deviationFrame_});
    SetHorizontalAttachment(3, 5, {smoothingButton_});
  }
  SetVerticalAttachment(0, 5, {separator_, radioFrame_});
  if (deviationFrame_) SetVerticalAttachment(0, 5, {deviationFrame_});
  SetVerticalAttachment(1, 4, {radioFrame_});
  if (deviationFrame_) SetVerticalAttachment(1, 4, {smoothingButton_});
}

void ZORGuiTolerantModelingFrame::ResetGlobalFrameAttachment() {
  ResetAttachment();
}

void ZORGuiTolerantModelingFrame::BuildExpansedFrame() {
  RemoveExpansedFrame();
  deviationFrame_ = MakeWidget<ZORDlgFrame>(this, "FrameDeviation", kFrameStyle);
  auto* label = MakeWidget<ZORDlgLabel>(deviationFrame_, "LabDeviation");
  label->SetTitle(ZORGuiResourceText(*this, "LabDeviation.Title", "Maximum deviation:"));
  deviationFrame_->SetVerticalAttachment(0, 5, {label});
  ZORICkeParamFrame_var factory(deviation_);
  ZORCkeParamFrame* editor =
      factory ? factory->GetInPanelEdition(nullptr, deviationFrame_, "FrameParmDeviation",
                                           ZORCkeWithSpinner | ZORCkeNoLabel, ZORUnicodeString())
              : nullptr;
  if (editor) {
    deviationFrame_->SetVerticalAttachment(1, 5, {editor});
    deviationFrame_->SetVerticalAttachment(2, 4, {editor});
  }
  smoothingButton_ = MakeWidget<ZORDlgCheckButton>(this, "3DSmoothingButton");
  smoothingButton_->SetTitle(ZORGuiResourceText(*this, "3DSmoothingButton.Title", "3D smoothing"));
  smoothingButton_->SetState(
      smoothing3D_ ? ZORDlgCheckButton::kChecked : ZORDlgCheckButton::kUnchecked, 0);
  AddAnalyseNotificationCB(smoothingButton_, smoothingButton_->GetChkBModifyNotification(),
                           &ZORGuiTolerantModelingFrame::Modify3DSmoothing, nullptr);
}

void ZORGuiTolerantModelingFrame::RemoveExpansedFrame() {
  if (smoothingButton_) RemoveAnalyseNotificationCBs(smoothingButton_);
  DestroyWidget(smoothingButton_);
  DestroyWidget(deviationFrame_);
}
