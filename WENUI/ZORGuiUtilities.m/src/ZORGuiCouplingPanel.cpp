#include "ZORGuiCouplingPanel.h"

#include <new>
#include <utility>

#include "ZORCleaner.h"
#include "ZORDlgFrame.h"
#include "ZORDlgMultiList.h"
#include "ZORFatalError.h"
#include "ZORGuiCouplingSelPointNotif.h"
#include "ZORGuiListRows.h"
#include "ZORGuiStackedCouplingPointNotif.h"
#include "ZORMsgCatalog.h"
#include "ZORWENUIMultiList.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiCouplingPanel";
constexpr const char* kCatalog = "ZORGuiCouplingPanel";
constexpr int kFeatureColumn = 1;

}  // namespace

ZORGuiCouplingPanel::ZORGuiCouplingPanel(ZORDialog* parent)
    : ZORFrmDialog(parent, "ZORGuiCouplingPanel", kWindowStyle),
      stacked_(new (std::nothrow) ZORGuiStackedCouplingPointNotif()) {
  if (!stacked_) ZORFatalError("0", kSource, __LINE__);
  stacking_ = AddAnalyseNotificationCB(nullptr, "ZORGuiCommandStackNotification",
                                       &ZORGuiCouplingPanel::CommandPointForCouplingAsked, nullptr);
}

ZORGuiCouplingPanel::~ZORGuiCouplingPanel() {
  RemoveAnalyseNotificationCB(stacking_);
  // Both may be on their way to the father when the panel goes.
  if (stacked_) ZORCleaner::DeleteOnTransactionEnd(std::exchange(stacked_, nullptr));
  if (selectedPoint_) ZORCleaner::DeleteOnTransactionEnd(std::exchange(selectedPoint_, nullptr));
}

ZORNotification* ZORGuiCouplingPanel::GetCouplingSelPointNotif() {
  if (!selectedPoint_) selectedPoint_ = new (std::nothrow) ZORGuiCouplingSelPointNotif();
  if (!selectedPoint_) ZORFatalError("0", kSource, __LINE__);
  return selectedPoint_;
}

void ZORGuiCouplingPanel::Build() {
  if (frame_) return;
  SetGridRowResizable(0);
  SetGridColumnResizable(0);
  frame_ = new (std::nothrow) ZORDlgFrame(this, "CouplPointsFrame", 0);
  if (!frame_) ZORFatalError("0", kSource, __LINE__);
  frame_->SetGridConstraints({0, 0, 1, 1, ZORDlgGridConstraints::kFourSides});
  frame_->SetGridRowResizable(0);
  frame_->SetGridColumnResizable(0);
  points_ = new (std::nothrow) ZORWENUIMultiList(frame_, "CouplPointsList", 0);
  if (!points_) ZORFatalError("0", kSource, __LINE__);
  points_->SetGridConstraints({0, 0, 1, 1, ZORDlgGridConstraints::kFourSides});
  points_->SetFeatureColumn(kFeatureColumn);
  list_ = points_->GetMultiList();
  list_->SetVisibleColumnCount(2);
  list_->SetVisibleLineCount(3);
  // Without its catalog the list has no titles, and selecting in it tells nobody.
  if (ZORMsgCatalog::CatalogExists(kCatalog)) {
    const ZORUnicodeString titles[2] = {
        ZORMsgCatalog::BuildMessage(kCatalog, "CouplPointsFrame.CouplPointsList.ColumnTitle1"),
        ZORMsgCatalog::BuildMessage(kCatalog, "CouplPointsFrame.CouplPointsList.ColumnTitle2")};
    list_->SetColumnTitles(2, titles);
    AddAnalyseNotificationCB(list_, list_->GetListSelectNotification(),
                             &ZORGuiCouplingPanel::SelPanel, ZORIntData(kPointList));
  }
  AddAnalyseNotificationCB(this, GetWindCloseNotification(), &ZORGuiCouplingPanel::PushClose,
                           nullptr);
}

void ZORGuiCouplingPanel::SetCouplingPoints(const ZORListValZORISpecObject_var& points) {
  if (!list_) return;
  list_->ClearLine();
  int row = 0;
  for (const ZORISpecObject_var& point : points) {
    list_->SetColumnItem(0, ZORUnicodeString::Format("%d", row + 1), row);
    if (!points_->SetFeature(ZORBaseUnknown_var(point), row)) list_->SetColumnItem(1, "", row);
    ++row;
  }
}

int ZORGuiCouplingPanel::GetSelected(int& row) const {
  row = ZORGuiSelectedRow(list_);
  return 0;
}

void ZORGuiCouplingPanel::SetSelected(const int row) {
  ZORGuiSelectRow(list_, row);
}

void ZORGuiCouplingPanel::SelPanel(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (list_ && list_->GetSelectCount() > 0 && GetFather()) {
    SendNotification(GetFather(), GetCouplingSelPointNotif());
  }
}

void ZORGuiCouplingPanel::PushClose(ZORCommand*, ZORNotification*, ZORCallbackData) {
  SetVisibility(kHidden);
}

void ZORGuiCouplingPanel::CommandPointForCouplingAsked(ZORCommand*, ZORNotification* notification,
                                                       ZORCallbackData) {
  if (!GetFather()) return;
  SendNotification(GetFather(), stacked_);
  if (notification) SendNotification(GetFather(), notification);
}
