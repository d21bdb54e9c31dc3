#include "ZORWENUIDialog.h"

#include <new>

#include "ZORCleaner.h"
#include "ZORWENSettings.h"

namespace {

template <class T>
void HandOver(T*& notification) {
  if (notification) ZORCleaner::DeleteOnTransactionEnd(std::exchange(notification, nullptr));
}

}  // namespace

ZORWENUIDialog::ZORWENUIDialog(ZORDialog* parent, const ZORString& identifier, unsigned long style)
    : ZORFrmDialog(parent, identifier, style),
      bagButton_(new (std::nothrow) ZORGuiMSPushBagButtonNotification()),
      closeButton_(new (std::nothrow) ZORGuiMSPushCloseButtonNotification()),
      clearAll_(new (std::nothrow) ZORGuiMSList1ClearAllNotification()) {}

ZORWENUIDialog::~ZORWENUIDialog() {
  HandOver(bagButton_);
  HandOver(closeButton_);
  HandOver(clearAll_);
}

bool ZORWENUIDialog::IsRepetitionAvailable() {
  const ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  return settings && settings->GetShapeDesignVersion() >= kRepetitionVersion;
}

void ZORWENUIDialog::BuildElements(ZORDialog* parent) {
  if (repetition_ || !parent) return;
  repetition_ = new ZORDlgCheckButton(parent, "CheckRepeat");
  ZORUnicodeString title = GetResourceValueFromKey("CheckRepeat");
  repetition_->SetTitle(title.IsEmpty() ? ZORUnicodeString("Repetition mode") : title);
  repetition_->SetLongHelp(GetResourceValueFromKey("CheckRepeatLH"));
}

void ZORWENUIDialog::AddRepetitionAfter(ZORDialog* parent, ZORDialog* neighbour,
                                        unsigned short tab) {
  if (!IsRepetitionAvailable()) return;
  BuildElements(parent);
  if (repetition_ && neighbour) repetition_->SetHorizontalTabAttachment(neighbour->GetName(), tab);
}

void ZORWENUIDialog::AddRepetitionFrame(ZORDlgDialog* parent, ZORDialog* neighbour,
                                        unsigned short tab) {
  AddRepetitionAfter(parent, neighbour, tab);
}

void ZORWENUIDialog::AddRepetitionFrame(ZORDlgFrame* parent, ZORDialog* neighbour,
                                        unsigned short tab) {
  AddRepetitionAfter(parent, neighbour, tab);
}

void ZORWENUIDialog::AddRepetitionFrame(ZORDlgFrame* parent, short row, short column, short rowSpan,
                                        short columnSpan) {
  if (!IsRepetitionAvailable()) return;
  BuildElements(parent);
  if (!repetition_) return;
  ZORDlgGridConstraints constraints;
  constraints.row = row;
  constraints.column = column;
  constraints.rowSpan = rowSpan;
  constraints.columnSpan = columnSpan;
  constraints.sides = kRepetitionJustification;
  repetition_->SetGridConstraints(constraints);
}

bool ZORWENUIDialog::IsRepetitionOn() const {
  if (!IsRepetitionAvailable()) return false;
  return repetition_ && repetition_->GetState() == ZORDlgCheckButton::kChecked;
}

void ZORWENUIDialog::AnalyseNotifsMultiSelButton(ZORCommand*, ZORNotification*,
                                                 ZORCallbackData data) {
  ZORNotification* notification = nullptr;
  switch (ZORDataInt(data)) {
    case kBagButton:
      notification = bagButton_;
      break;
    case kCloseButton:
      notification = closeButton_;
      break;
    case kClearAll:
      notification = clearAll_;
      break;
    default:
      break;
  }
  if (notification && GetFather()) SendNotification(GetFather(), notification);
}
