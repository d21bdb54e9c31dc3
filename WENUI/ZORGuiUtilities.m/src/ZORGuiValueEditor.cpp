#include "ZORGuiValueEditor.h"

#include <cmath>
#include <new>
#include <utility>

#include "ZORCleaner.h"
#include "ZORDlgFrame.h"
#include "ZORDlgSpinner.h"
#include "ZORFatalError.h"
#include "ZORWENEditValueChangedNotification.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiValueEditor";

void AttachToFourSides(ZORDialog* widget) {
  ZORDlgGridConstraints cell;
  cell.sides = ZORDlgGridConstraints::kFourSides;
  widget->SetGridConstraints(cell);
}

}  // namespace

ZORGuiValueEditor::ZORGuiValueEditor(ZORDialog* parent, ZORString name)
    : ZORFrmDialog(parent, name, kStyle) {
  auto* frame = new (std::nothrow) ZORDlgFrame(this, "edit", 0x80000);
  if (!frame) ZORFatalError("0", kSource, __LINE__);
  AttachToFourSides(frame);
  spinner_ = new (std::nothrow) ZORDlgSpinner(frame, "spinner", 0x40000);
  if (!spinner_) ZORFatalError("0", kSource, __LINE__);
  AttachToFourSides(spinner_);
  spinner_->SetRange(-10000.0, 10000.0, 1000000, 1);
  spinner_->SetFormat("%4.4f");
  AddAnalyseNotificationCB(this, GetWindCloseNotification(), &ZORGuiValueEditor::Exit, nullptr);
  AddAnalyseNotificationCB(spinner_, spinner_->GetSpinnerModifyNotification(),
                           &ZORGuiValueEditor::ValueHasChanged, nullptr);
  changed_ = new (std::nothrow) ZORWENEditValueChangedNotification();
}

ZORGuiValueEditor::~ZORGuiValueEditor() {
  if (changed_) ZORCleaner::DeleteOnTransactionEnd(std::exchange(changed_, nullptr));
}

float ZORGuiValueEditor::GetValue() const {
  return spinner_ ? spinner_->GetCurrentValue() : 0.0f;
}

void ZORGuiValueEditor::SetValue(float value) {
  if (spinner_) spinner_->SetCurrentValue(value, 0);
}

void ZORGuiValueEditor::SetSpinnerRange(float minimum, float maximum, int steps, int notify) {
  if (!spinner_ || !spinner_->SetRange(minimum, maximum, steps, 1)) return;
  notify_ = notify;
}

void ZORGuiValueEditor::ValueHasChanged(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (notify_ && changed_ && GetFather()) SendNotification(GetFather(), changed_);
  notify_ = 1;
}

void ZORGuiValueEditor::Exit(ZORCommand*, ZORNotification*, ZORCallbackData) {
  SetVisibility(kHidden);
}
