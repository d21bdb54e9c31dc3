#include "ZORGuiCouplingFrame.h"

#include <new>
#include <utility>

#include "ZORCleaner.h"
#include "ZORDlgCheckButton.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgMultiList.h"
#include "ZORDlgPushItem.h"
#include "ZORFatalError.h"
#include "ZORGuiCouplingAddAfterNotif.h"
#include "ZORGuiCouplingAddBeforeNotif.h"
#include "ZORGuiCouplingAddNotif.h"
#include "ZORGuiCouplingEditNotif.h"
#include "ZORGuiCouplingRemoveAllNotif.h"
#include "ZORGuiCouplingRemoveNotif.h"
#include "ZORGuiCouplingSelNotif.h"
#include "ZORGuiCouplingShowLinesNotif.h"
#include "ZORGuiListRows.h"
#include "ZORGuiResourceText.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiCouplingFrame";

template <class W>
W* MakeWidget(ZORDialog* parent, const char* name, unsigned long style = 0) {
  W* widget = new (std::nothrow) W(parent, name, style);
  if (!widget) ZORFatalError("0", kSource, __LINE__);
  return widget;
}

int Sensitivity(bool on) {
  return on ? ZORDialog::kSensitive : ZORDialog::kInsensitive;
}

}  // namespace

ZORGuiCouplingFrame::ZORGuiCouplingFrame(ZORDialog* parent, ZORCommand* father)
    : ZORDlgFrame(parent, "couplPointsFrame", 0) {
  if (father) SetFather(father);
  baseName_ = ZORGuiResourceText(*this, "CouplingName", "Coupling");
  SetGridRowResizable(0);
  SetGridColumnResizable(0);

  list_ = MakeWidget<ZORDlgMultiList>(this, "CouplingList");
  list_->SetLongHelp(GetResourceValueFromKey("CouplingListLongHelp"));
  list_->SetGridConstraints({0, 0, 1, 1, ZORDlgGridConstraints::kFourSides});
  const ZORUnicodeString titles[2] = {ZORGuiResourceText(*this, "NumberColumn", "N\u00b0"),
                                      ZORGuiResourceText(*this, "Coupling", "Coupling")};
  list_->SetColumnTitles(2, titles);
  list_->SetColumnItem(0, "...");
  list_->SetColumnTextWidth(1, 7);
  list_->SetVisibleLineCount(1);
  list_->SetVisibleColumnCount(2);
  AddAnalyseNotificationCB(list_, list_->GetListSelectNotification(),
                           &ZORGuiCouplingFrame::ModifyCoupling, ZORIntData(kSelect));
  AddAnalyseNotificationCB(list_, list_->GetListActivateNotification(),
                           &ZORGuiCouplingFrame::ModifyCoupling, ZORIntData(kActivate));

  menu_ = MakeWidget<ZORDlgContextualMenu>(list_, "CouplingCxtMenu");
  editItem_ = MakeItem("CouplingEditItem", kEdit);
  removeItem_ = MakeItem("CouplingRemoveItem", kRemove);
  addItem_ = MakeItem("CouplingAddItem", kAdd);
  addAfterItem_ = MakeItem("CouplingAddAfterItem", kAddAfter);
  addBeforeItem_ = MakeItem("CouplingAddBeforeItem", kAddBefore);
  removeAllItem_ = MakeItem("CouplingRemoveAllItem", kRemoveAll);
  AddAnalyseNotificationCB(menu_, menu_->GetVisibilityNotification(),
                           &ZORGuiCouplingFrame::SelectCxtMenu, nullptr);

  showLines_ = MakeWidget<ZORDlgCheckButton>(this, "ShowCouplLines");
  showLines_->SetTitle(GetResourceValueFromKey("ShowCouplLinesButton"));
  showLines_->SetLongHelp(GetResourceValueFromKey("ShowCouplLinesButtonLongHelp"));
  showLines_->SetGridConstraints({1, 0, 1, 1, ZORDlgGridConstraints::kLeft});
  AddAnalyseNotificationCB(showLines_, showLines_->GetChkBModifyNotification(),
                           &ZORGuiCouplingFrame::ModifyCoupling, ZORIntData(kShowLines));
}

ZORGuiCouplingFrame::~ZORGuiCouplingFrame() {
  for (ZORNotification** slot : {&remove_, &removeAll_, &add_, &addAfter_, &addBefore_,
                                 &showLinesChanged_, &selection_, &edit_}) {
    if (*slot) ZORCleaner::DeleteOnTransactionEnd(std::exchange(*slot, nullptr));
  }
}

ZORDlgPushItem* ZORGuiCouplingFrame::MakeItem(const char* name, MenuAction action) {
  auto* item = MakeWidget<ZORDlgPushItem>(menu_, name);
  item->SetTitle(GetResourceValueFromKey(name));
  AddAnalyseNotificationCB(item, item->GetMenuIActivateNotification(),
                           &ZORGuiCouplingFrame::PushAction, ZORIntData(action));
  return item;
}

template <class N>
ZORNotification* ZORGuiCouplingFrame::Lazy(ZORNotification*& slot) {
  if (!slot) slot = new (std::nothrow) N();
  if (!slot) ZORFatalError("0", kSource, __LINE__);
  return slot;
}

ZORNotification* ZORGuiCouplingFrame::GetCouplingSelNotif() {
  return Lazy<ZORGuiCouplingSelNotif>(selection_);
}
ZORNotification* ZORGuiCouplingFrame::GetCouplingEditNotif() {
  return Lazy<ZORGuiCouplingEditNotif>(edit_);
}
ZORNotification* ZORGuiCouplingFrame::GetCouplingAddNotif() {
  return Lazy<ZORGuiCouplingAddNotif>(add_);
}
ZORNotification* ZORGuiCouplingFrame::GetCouplingAddAfterNotif() {
  return Lazy<ZORGuiCouplingAddAfterNotif>(addAfter_);
}
ZORNotification* ZORGuiCouplingFrame::GetCouplingAddBeforeNotif() {
  return Lazy<ZORGuiCouplingAddBeforeNotif>(addBefore_);
}
ZORNotification* ZORGuiCouplingFrame::GetCouplingRemoveNotif() {
  return Lazy<ZORGuiCouplingRemoveNotif>(remove_);
}
ZORNotification* ZORGuiCouplingFrame::GetCouplingRemoveAllNotif() {
  return Lazy<ZORGuiCouplingRemoveAllNotif>(removeAll_);
}
ZORNotification* ZORGuiCouplingFrame::GetCouplingShowLinesNotif() {
  return Lazy<ZORGuiCouplingShowLinesNotif>(showLinesChanged_);
}

void ZORGuiCouplingFrame::Tell(ZORNotification* notification) {
  if (GetFather()) SendNotification(GetFather(), notification);
}

void ZORGuiCouplingFrame::SetNumberOfCoupling(const int count) {
  if (!list_) return;
  list_->ClearLine();
  if (count < 1) {
    list_->SetColumnItem(0, "...");
    return;
  }
  for (int row = 0; row < count; ++row) {
    const ZORUnicodeString number = ZORUnicodeString::Format("%d", row + 1);
    list_->SetColumnItem(0, number, row);
    list_->SetColumnItem(1, baseName_ + number, row);
  }
}

int ZORGuiCouplingFrame::GetSelected(int& row) const {
  row = ZORGuiSelectedRow(list_);
  return 0;
}

void ZORGuiCouplingFrame::SetSelected(const int row) {
  ZORGuiSelectRow(list_, row);
}

void ZORGuiCouplingFrame::ClearSelections(const int keep) {
  if (keep == 0 && list_) list_->ClearSelect();
}

void ZORGuiCouplingFrame::SetShowCouplingLines(const int shown) {
  if (!showLines_) return;
  showLines_->SetState(shown ? ZORDlgCheckButton::kChecked : ZORDlgCheckButton::kUnchecked, 0);
  showLines_->SetSensitivity(kSensitive);
}

void ZORGuiCouplingFrame::SetObjectActions(const int mask) {
  const auto on = [mask](int bit) { return (mask & bit) != 0; };
  if (addItem_) addItem_->SetSensitivity(Sensitivity(on(kAddBit)));
  if (addAfterItem_) addAfterItem_->SetSensitivity(Sensitivity(on(kAddAfterBit)));
  if (addBeforeItem_) addBeforeItem_->SetSensitivity(Sensitivity(on(kAddBeforeBit)));
  if (editItem_) editItem_->SetSensitivity(Sensitivity(on(kEditBit)));
  if (removeItem_) removeItem_->SetSensitivity(Sensitivity(on(kRemoveBit)));
  if (removeAllItem_) {
    removeAllItem_->SetSensitivity(Sensitivity(on(kRemoveBit) || on(kRemoveAllBit)));
  }
}

void ZORGuiCouplingFrame::ModifyCoupling(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  const bool selected = list_ && list_->GetSelectCount() != 0;
  switch (ZORDataInt(data)) {
    case kSelect:
      if (selected) Tell(GetCouplingSelNotif());
      break;
    case kActivate:
      if (selected) Tell(GetCouplingEditNotif());
      break;
    case kShowLines:
      Tell(GetCouplingShowLinesNotif());
      break;
    default:
      break;
  }
}

void ZORGuiCouplingFrame::PushAction(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  switch (ZORDataInt(data)) {
    case kRemove:
      Tell(GetCouplingRemoveNotif());
      break;
    case kAddAfter:
      Tell(GetCouplingAddAfterNotif());
      break;
    case kAddBefore:
      Tell(GetCouplingAddBeforeNotif());
      break;
    case kAdd:
      Tell(GetCouplingAddNotif());
      break;
    case kEdit:
      Tell(GetCouplingEditNotif());
      break;
    case kRemoveAll:
      Tell(GetCouplingRemoveAllNotif());
      break;
    default:
      break;
  }
}

void ZORGuiCouplingFrame::SelectCxtMenu(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!list_) return;
  const int line = list_->GetContextualLine();
  if (line >= 0) list_->SetSelect(line, 1);
}
