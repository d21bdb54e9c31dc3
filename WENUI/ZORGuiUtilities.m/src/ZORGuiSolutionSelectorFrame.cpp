#include "ZORGuiSolutionSelectorFrame.h"

#include <new>
#include <utility>
#include <vector>

#include "ZORCleaner.h"
#include "ZORDlgEditor.h"
#include "ZORDlgLabel.h"
#include "ZORDlgPushButton.h"
#include "ZORFatalError.h"
#include "ZORGuiResourceText.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiSolutionSelectorFrame";
constexpr unsigned long kEditorStyle = 0x28200000;
constexpr unsigned long kTotalStyle = 0x100000;

template <class W>
W* MakeWidget(ZORDialog* parent, const char* name, unsigned long style = 0) {
  W* widget = new (std::nothrow) W(parent, name, style);
  if (!widget) ZORFatalError("0", kSource, __LINE__);
  return widget;
}

ZORUnicodeString TotalText(int total) {
  return ZORUnicodeString(" / ") + ZORUnicodeString::Format("%d", total);
}

}  // namespace

ZORGuiSolutionSelectorFrame::ZORGuiSolutionSelectorFrame(ZORDialog* parent, int current, int total,
                                                         int noLeadingSpace, ZORCommand* father)
    : ZORDlgFrame(parent, "SolutionSelectorFrame", 0x80000),
      total_(total < 0 ? 0 : total),
      changed_(new (std::nothrow) ZORNotification()) {
  if (father) SetFather(father);
  current_ = Bounded(current);
  std::vector<ZORDialog*> row;
  if (noLeadingSpace == 0) {
    row.push_back(MakeWidget<ZORDlgLabel>(this, "EspaceLabel1"));
    row.back()->SetTitle("  ");
  }
  previous_ = MakeWidget<ZORDlgPushButton>(this, "PreviousButton");
  previous_->SetTitle(ZORGuiResourceText(*this, "PreviousButton", "<"));
  row.push_back(previous_);
  row.push_back(MakeWidget<ZORDlgLabel>(this, "EspaceLabel2"));
  row.back()->SetTitle("  ");
  editor_ = MakeWidget<ZORDlgEditor>(this, "CurrentEditor", kEditorStyle);
  editor_->SetIntegerValue(current_);
  row.push_back(editor_);
  totalLabel_ = MakeWidget<ZORDlgLabel>(this, "TotalLabel", kTotalStyle);
  totalLabel_->SetTitle(TotalText(total_));
  row.push_back(totalLabel_);
  row.push_back(MakeWidget<ZORDlgLabel>(this, "EspaceLabel3"));
  row.back()->SetTitle("    ");
  next_ = MakeWidget<ZORDlgPushButton>(this, "NextButton");
  next_->SetTitle(ZORGuiResourceText(*this, "NextButton", ">"));
  row.push_back(next_);
  int tab = 1;
  for (ZORDialog* widget : row) {
    SetHorizontalAttachment(1, 5, {widget});
    SetVerticalAttachment(tab++, 5, {widget});
  }
  AddAnalyseNotificationCB(editor_, editor_->GetEditModifyNotification(),
                           &ZORGuiSolutionSelectorFrame::ManageCallbacks, ZORIntData(kEditor));
  AddAnalyseNotificationCB(next_, next_->GetPushBActivateNotification(),
                           &ZORGuiSolutionSelectorFrame::ManageCallbacks, ZORIntData(kNext));
  AddAnalyseNotificationCB(previous_, previous_->GetPushBActivateNotification(),
                           &ZORGuiSolutionSelectorFrame::ManageCallbacks, ZORIntData(kPrevious));
  ApplySensitivity();
}

ZORGuiSolutionSelectorFrame::~ZORGuiSolutionSelectorFrame() {
  if (changed_) ZORCleaner::DeleteOnTransactionEnd(std::exchange(changed_, nullptr));
}

int ZORGuiSolutionSelectorFrame::Bounded(int value) const {
  if (value > total_) return total_;
  if (value < 1) return total_ == 0 ? 0 : 1;
  return value;
}

void ZORGuiSolutionSelectorFrame::SetCurrent(int value, int notify) {
  const int bounded = Bounded(value);
  const bool changed = bounded != current_;
  current_ = bounded;
  // Shown even when unchanged, so that a typed number out of bounds does not stay.
  if (editor_) editor_->SetIntegerValue(current_);
  if (changed && notify == 1 && changed_ && GetFather()) SendNotification(GetFather(), changed_);
}

void ZORGuiSolutionSelectorFrame::SetTotal(int total) {
  if (total < 0) total = 0;
  if (total == total_ && total != 0) return;
  total_ = total;
  if (totalLabel_) totalLabel_->SetTitle(TotalText(total_));
  ApplySensitivity();
}

void ZORGuiSolutionSelectorFrame::ApplySensitivity() {
  const int sensitivity = total_ <= 1 ? kInsensitive : kSensitive;
  if (previous_) previous_->SetSensitivity(sensitivity);
  if (next_) next_->SetSensitivity(sensitivity);
}

void ZORGuiSolutionSelectorFrame::ManageCallbacks(ZORCommand*, ZORNotification*,
                                                  ZORCallbackData data) {
  switch (ZORDataInt(data)) {
    case kEditor: {
      int typed = current_;
      // A text that is no number gives the current number back.
      if (editor_) editor_->GetIntegerValue(typed);
      SetCurrent(typed, 1);
      break;
    }
    case kNext:
      SetCurrent(current_ + 1 > total_ ? (total_ == 0 ? 0 : 1) : current_ + 1, 1);
      break;
    case kPrevious:
      SetCurrent(current_ - 1 < 1 ? total_ : current_ - 1, 1);
      break;
    default:
      break;
  }
}
