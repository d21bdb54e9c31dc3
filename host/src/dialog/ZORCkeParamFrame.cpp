#include "ZORCkeParamFrame.h"

#include "ZORCkeNumbersDisplay.h"
#include "ZORCkeTypeDictionary.h"
#include "ZORDlgLabel.h"
#include "ZORDlgModifyNotification.h"
#include "ZORIParmAsStored.h"
#include "ZORIParmEvents.h"

namespace {

std::string UnitOf(const ZORICkeParm_var& parameter) {
  const ZORCkeType* type = ZORCkeTypeDictionary::FindType(parameter->GetMagnitude());
  return type ? type->GetStorageUnit() : std::string();
}

}  // namespace

ZORCkeParamFrame* ZORCkeParamFrame::Create(const ZORICkeParm_var& parameter, ZORDialog* parent,
                                           const ZORString& name, unsigned long style,
                                           const ZORUnicodeString& title) {
  // Without a parent nobody would own the editor.
  if (!parameter || !parent) return nullptr;
  auto* frame = new ZORCkeParamFrame(parameter, parent, name, style);
  if (!(style & ZORCkeNoLabel)) {
    auto* label = new ZORDlgLabel(frame, ZORString("Label"));
    label->SetTitle(title);
  }
  frame->SetTitle(title);
  return frame;
}

ZORCkeParamFrame::ZORCkeParamFrame(const ZORICkeParm_var& parameter, ZORDialog* parent,
                                   const ZORString& name, unsigned long style)
    : ZORDlgFrame(parent, name, style),
      parameter_(parameter),
      modify_(ZORMake<ZORDlgModifyNotification>()) {
  if (ZORIParmEvents_var events(parameter_); events) {
    // The subscription goes with this editor.
    events->SubscribeToValueChange(
        this, [this](const char*, void*, ZORNotification*, void*, long) { Refresh(); }, nullptr);
  }
  Refresh();
}

ZORCkeParamFrame::~ZORCkeParamFrame() = default;

void ZORCkeParamFrame::Refresh() {
  text_ = ZORCkeNumbersDisplay::DoubleToString(
      parameter_->GetStoredValue(), ZORString(UnitOf(parameter_)),
      HasSpinner() ? ZORCkeNumbersDisplay::kMicroMode : ZORCkeNumbersDisplay::kRoundedMode);
  SetEditorState(parameter_->IsActivated());
}

void ZORCkeParamFrame::SetEditorState(ZORCke::Boolean state) {
  SetSensitivity(state == ZORCke::True ? kSensitive : kInsensitive);
}

bool ZORCkeParamFrame::WriteByUser(double value) {
  ZORIParmAsStored_var stored(parameter_);
  if (!stored || FAILED(stored->SetValueAsStored(value))) return false;
  Refresh();  // a parameter without events still shows what was written
  SendUserNotification(modify_);
  return true;
}

bool ZORCkeParamFrame::Type(const ZORUnicodeString& text) {
  if (!IsUserReachable()) return false;
  double value = 0;
  if (!ZORCkeNumbersDisplay::StringToDouble(text.str(), parameter_->GetMagnitude(), value)) {
    return false;
  }
  ZORVar<ZORCkeParamFrame> keep(this);
  return WriteByUser(value);
}

bool ZORCkeParamFrame::Spin(bool up, int clicks) {
  if (!HasSpinner() || clicks <= 0 || !IsUserReachable()) return false;
  ZORVar<ZORCkeParamFrame> keep(this);
  for (int i = 0; i < clicks; ++i) {
    if (!WriteByUser(parameter_->GetStoredValue() + (up ? 1.0 : -1.0))) return i > 0;
  }
  return true;
}
