#include "ZORWENUINonOrderedSelectorList.h"

#include "ZORGmoUtilitiesServices.h"
#include "ZORIdentityOf.h"

namespace {

constexpr unsigned long kListStyle = ZORDlgList::kMultipleSelection;
constexpr unsigned long kButtonStyle = 0x100000;
constexpr unsigned long kChecked = ZORDlgCheckButton::kChecked;
constexpr unsigned long kUnchecked = ZORDlgCheckButton::kUnchecked;

void Dispose(const ZORISpecObject_var& pick) {
  ZORGmoUtilitiesServices::RemoveBRep(ZORBaseUnknown_var(pick));
}

}  // namespace

ZORWENUINonOrderedSelectorList::ZORWENUINonOrderedSelectorList(ZORDialog* parent,
                                                               const ZORString& name,
                                                               unsigned long style,
                                                               ZORGuiContextualMenuData menuData)
    : ZORWENUIUserSelectorList(parent, name, style, menuData) {
  ZORDlgSelectorList* list = CreateSelectorList(kListStyle);
  append_ = CreateCheckButton("Append", kButtonStyle);
  remove_ = CreateCheckButton("Remove", kButtonStyle);
  int row = 0;
  for (ZORDlgCheckButton* button : {append_, remove_}) {
    button->SetSensitivity(kInsensitive);
    button->SetGridConstraints({row++, 0, 1, 1, ZORDlgGridConstraints::kLeft});
  }
  SetAttachements();
  using Self = ZORWENUINonOrderedSelectorList;
  AddAnalyseNotificationCB(list, list->GetListSelectNotification(), &Self::SelectorClickEvent,
                           nullptr);
  AddAnalyseNotificationCB(list, list->GetListActivateNotification(), &Self::SelectorDblClickEvent,
                           nullptr);
  AddAnalyseNotificationCB(append_, append_->GetChkBDoubleClickNotification(),
                           &Self::AppendDblClickEvent, nullptr);
  AddAnalyseNotificationCB(append_, append_->GetChkBModifyNotification(), &Self::AppendClickEvent,
                           nullptr);
  AddAnalyseNotificationCB(remove_, remove_->GetChkBDoubleClickNotification(),
                           &Self::RemoveDblClickEvent, nullptr);
  AddAnalyseNotificationCB(remove_, remove_->GetChkBModifyNotification(), &Self::RemoveClickEvent,
                           nullptr);
  AddAnalyseNotificationCB(this, ZORWENUIChangeNotification::ClassName(),
                           &Self::ButtonsSensitivityEvent, nullptr);
  AddAnalyseNotificationCB(this, GetReplaceSelectionNotification(), &Self::ReplaceEvent, nullptr);
}

ZORWENUINonOrderedSelectorList::~ZORWENUINonOrderedSelectorList() {
  append_ = remove_ = nullptr;
}

int ZORWENUINonOrderedSelectorList::GetMode() const {
  const bool a = append_ && append_->GetState() == kChecked;
  const bool r = remove_ && remove_->GetState() == kChecked;
  if (a && !r) return kAppend;
  if (!a && r) return kRemove;
  if (a && r) return kReplace;
  return kStandard;
}

int ZORWENUINonOrderedSelectorList::GetOperation(const ZORISpecObject_var& feature) {
  if (!feature) return kIgnore;
  const int position = Locate(ZORBaseUnknown_var(feature), 0);
  const bool listed = position != 0;
  // A listed entry handed in again is no pick of its own: it stays while it is listed.
  const bool isEntry = listed && ZORIdentityOf(GetFeatures()[position]) == ZORIdentityOf(feature);
  switch (GetMode()) {
    case kAppend:
      if (!listed) return kAppendOperation;
      break;
    case kRemove:
      if (listed) return kRemoveOperation;
      UnHighlight(feature);
      break;
    case kReplace:
      if (!listed && SelectionSize() == 1) return kReplaceOperation;
      break;
    default:
      return listed ? kRemoveOperation : kAppendOperation;
  }
  if (!isEntry) Dispose(feature);
  return kIgnore;
}

HRESULT ZORWENUINonOrderedSelectorList::Synchronise(const ZORListValZORISpecObject_var& features) {
  const HRESULT hr = ZORWENUIUserSelectorList::Synchronise(features);
  if (SUCCEEDED(hr)) ButtonsSensitivityEvent(nullptr, nullptr, nullptr);
  return hr;
}

void ZORWENUINonOrderedSelectorList::SetAppendMode(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!append_ || !remove_) return;
  append_->SetState(kChecked, 0);
  remove_->SetState(kUnchecked, 0);
}

void ZORWENUINonOrderedSelectorList::SetRemoveMode(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!append_ || !remove_) return;
  append_->SetState(kUnchecked, 0);
  remove_->SetState(kChecked, 0);
}

void ZORWENUINonOrderedSelectorList::ResetMode() {
  if (sticky_ || !append_ || !remove_) return;
  append_->SetState(kUnchecked, 1);
  remove_->SetState(kUnchecked, 1);
}

void ZORWENUINonOrderedSelectorList::SelectorClickEvent(ZORCommand*, ZORNotification* notification,
                                                        ZORCallbackData) {
  if (GetMode() == kReplace) ResetMode();
  Forward(notification);
}

void ZORWENUINonOrderedSelectorList::SelectorDblClickEvent(ZORCommand* sender,
                                                           ZORNotification* notification,
                                                           ZORCallbackData data) {
  SelectorClickEvent(sender, notification, data);
}

void ZORWENUINonOrderedSelectorList::ExclusiveClick(ZORDlgCheckButton* clicked,
                                                    ZORDlgCheckButton* other,
                                                    ZORNotification* notification) {
  sticky_ = false;
  if (other) other->SetState(kUnchecked, 0);
  if (clicked && clicked->GetState() == kChecked) Forward(notification);
}

void ZORWENUINonOrderedSelectorList::AppendClickEvent(ZORCommand*, ZORNotification* notification,
                                                      ZORCallbackData) {
  ExclusiveClick(append_, remove_, notification);
}

void ZORWENUINonOrderedSelectorList::RemoveClickEvent(ZORCommand*, ZORNotification* notification,
                                                      ZORCallbackData) {
  ExclusiveClick(remove_, append_, notification);
}

void ZORWENUINonOrderedSelectorList::AppendDblClickEvent(ZORCommand*, ZORNotification* notification,
                                                         ZORCallbackData) {
  sticky_ = true;
  Forward(notification);
}

void ZORWENUINonOrderedSelectorList::RemoveDblClickEvent(ZORCommand*, ZORNotification* notification,
                                                         ZORCallbackData) {
  sticky_ = true;
  Forward(notification);
}

void ZORWENUINonOrderedSelectorList::ButtonsSensitivityEvent(ZORCommand*,
                                                             ZORNotification* notification,
                                                             ZORCallbackData) {
  if (!append_ || !remove_) return;
  const bool empty = Size() == 0;
  for (ZORDlgCheckButton* button : {append_, remove_}) {
    if (empty) button->SetState(kUnchecked, 0);
    button->SetSensitivity(empty ? kInsensitive : kSensitive);
  }
  // The owner hears of the change too.
  if (notification) Forward(notification);
}

void ZORWENUINonOrderedSelectorList::ReplaceEvent(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!append_ || !remove_ || SelectionSize() != 1) return;
  append_->SetState(kChecked, 0);
  remove_->SetState(kChecked, 0);
}

ZORNotification* ZORWENUINonOrderedSelectorList::SelectorClickNotification() const {
  return GetSelectorList() ? GetSelectorList()->GetListSelectNotification() : nullptr;
}

ZORNotification* ZORWENUINonOrderedSelectorList::SelectorDblClickNotification() const {
  return GetSelectorList() ? GetSelectorList()->GetListActivateNotification() : nullptr;
}

ZORNotification* ZORWENUINonOrderedSelectorList::AppendClickNotification() const {
  return append_ ? append_->GetChkBModifyNotification() : nullptr;
}

ZORNotification* ZORWENUINonOrderedSelectorList::AppendDblClickNotification() const {
  return append_ ? append_->GetChkBDoubleClickNotification() : nullptr;
}

ZORNotification* ZORWENUINonOrderedSelectorList::RemoveClickNotification() const {
  return remove_ ? remove_->GetChkBModifyNotification() : nullptr;
}

ZORNotification* ZORWENUINonOrderedSelectorList::RemoveDblClickNotification() const {
  return remove_ ? remove_->GetChkBDoubleClickNotification() : nullptr;
}
