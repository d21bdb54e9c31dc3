#include "ExampleSelectorCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORDlgLabel.h"
#include "ZORDlgMultiList.h"
#include "ZORDlgSelectorList.h"
#include "ZORDocument.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiCommandStack.h"
#include "ZORIMfPoint.h"
#include "ZORWENUIMultiList.h"
#include "ZORWENUISelector.h"

ExampleSelectorCommand::ExampleSelectorCommand()
    : ExamplePanelCommand("SelectorCommand", "SelectorPanel"),
      details_(new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "DetailsPanel")) {
  details_->SetFather(this);
  BuildPanel();
  FillPoints();
  Subscribe();
}

ExampleSelectorCommand::~ExampleSelectorCommand() {
  details_->RequestDelayedDestruction();
}

void ExampleSelectorCommand::BuildPanel() {
  selector_ =
      new ZORWENUISelector(panel_, panel_, "FraAxis", 0x80000, ZORWENUISelector::kNoSelectionStyle,
                           ZORGuiContextualMenuData(), ZORGuiContextualMenuData::None());
  if (ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor()) {
    selector_->SetSelectedElement(editor->GetCurrentFeatureObject());
  }
  points_ =
      new ZORWENUIMultiList(panel_, "CouplPointsList", 0, ZORGuiContextualMenuData(true, true));
  const ZORUnicodeString titles[] = {ZORUnicodeString("N"), ZORUnicodeString("Point")};
  points_->GetMultiList()->SetColumnTitles(2, titles);
  points_->GetMultiList()->SetVisibleColumnCount(2);
  points_->GetMultiList()->SetVisibleLineCount(3);
  points_->SetFeatureColumn(1);
  status_ = new ZORDlgLabel(panel_, "Status");
}

void ExampleSelectorCommand::FillPoints() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!editor || !editor->GetDocument()) return;
  int row = 0;
  for (ZORFeature* feature : editor->GetDocument()->GetFeatures()) {
    const ZORBaseUnknown_var object(feature);
    if (!ZORIMfPoint_var(object)) continue;
    points_->GetMultiList()->SetColumnItem(0, ZORUnicodeString(std::to_string(row + 1)), row);
    points_->SetFeature(object, row);
    ++row;
  }
}

void ExampleSelectorCommand::Subscribe() {
  selector_->AddAnalyseNotificationCB(selector_->GetEditor(),
                                      selector_->GetListSelectNotification(),
                                      &ZORWENUISelector::ManageSelection, nullptr);
  AddAnalyseNotificationCB(
      selector_, selector_->GetListSelectNotification(),
      [this](ZORCommand*, ZORNotification*, ZORCallbackData) {
        Tell(selector_->IsHighlighted() ? "selector highlighted" : "selector not highlighted");
      },
      nullptr);
  AddAnalyseNotificationCB(
      selector_, selector_->GetRemoveNotification(),
      [this](ZORCommand*, ZORNotification*, ZORCallbackData) { Tell("selector emptied"); },
      nullptr);
  AddAnalyseNotificationCB(selector_->GetEditor(),
                           selector_->GetEditor()->GetListActivateNotification(),
                           &ExampleSelectorCommand::OpenDetails, nullptr);
  AddAnalyseNotificationCB(points_, points_->GetReplaceNotification(),
                           &ExampleSelectorCommand::ReplaceFromRow, nullptr);
  AddAnalyseNotificationCB(points_, points_->GetRemoveNotification(),
                           &ExampleSelectorCommand::RemoveRow, nullptr);
  AddAnalyseNotificationCB(details_, details_->GetDiaOKNotification(),
                           &ExampleSelectorCommand::CloseDetails, nullptr);
}

void ExampleSelectorCommand::ReplaceFromRow(ZORCommand*, ZORNotification*, ZORCallbackData) {
  const ZORBaseUnknown_var feature = points_->GetContextualFeature();
  if (!feature) return;
  selector_->SetSelectedElement(feature, 1);
  Tell("selector shows " + ZORGmoUtilitiesServices::GetSpecDisplayName(feature).str());
}

void ExampleSelectorCommand::RemoveRow(ZORCommand*, ZORNotification*, ZORCallbackData) {
  const int row = points_->GetMultiList()->GetContextualLine();
  if (row < 0) return;
  points_->GetMultiList()->ClearLine(row);
  Tell("removed row " + std::to_string(row));
}

void ExampleSelectorCommand::OpenDetails(ZORCommand*, ZORNotification*, ZORCallbackData) {
  details_->SetTitle(selector_->GetEditor()->GetLine(0));
  details_->SetVisibility(ZORDialog::kShown);
  details_->SetPowerInputFocus();
}

void ExampleSelectorCommand::CloseDetails(ZORCommand*, ZORNotification*, ZORCallbackData) {
  // The details panel lets go of the focus and the selector panel takes it back.
  details_->ReleasePowerInputFocus();
  details_->SetVisibility(ZORDialog::kHidden);
  panel_->SetPowerInputFocus();
}

void ExampleSelectorCommand::HideWindows() {
  ExamplePanelCommand::HideWindows();
  details_->SetVisibility(ZORDialog::kHidden);
}

void ExampleSelectorCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand("ExampleSelectorCommand",
                                                  [] { return new ExampleSelectorCommand(); });
}
