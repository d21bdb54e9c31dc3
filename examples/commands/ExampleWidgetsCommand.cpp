#include "ExampleWidgetsCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORCkeNumbersDisplay.h"
#include "ZORCkeParamFrame.h"
#include "ZORDlgCombo.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgLabel.h"
#include "ZORDlgPushItem.h"
#include "ZORDlgRadioItem.h"
#include "ZORDlgSelectorList.h"
#include "ZORDlgSeparator.h"
#include "ZORDlgSpinner.h"
#include "ZORDlgTabContainer.h"
#include "ZORDlgTabPage.h"
#include "ZORGuiCommandStack.h"
#include "ZORICkeParamFrame.h"
#include "ZORIParmEvents.h"
#include "ZORParmDictionary.h"

ExampleWidgetsCommand::ExampleWidgetsCommand()
    : ExamplePanelCommand("WidgetsCommand", "WidgetsPanel") {
  length_ = ZORParmDictionary::GetVolatileFactory()->CreateLength("Length", 12.5);
  BuildPanel();
  Subscribe();
}

void ExampleWidgetsCommand::BuildPanel() {
  spinner_ = new ZORDlgSpinner(panel_, "Spinner", 0x40000);
  spinner_->SetRange(0, 10, 10);
  spinner_->SetFormat("%4.4f");
  combo_ = new ZORDlgCombo(panel_, "Mode");
  combo_->SetLine("Linear");
  combo_->SetLine("Cubic");
  combo_->SetSelect(0);
  tabs_ = new ZORDlgTabContainer(panel_, "Tabs");
  new ZORDlgTabPage(tabs_, "CartesianPage");
  new ZORDlgTabPage(tabs_, "CylindricalPage");
  list_ = new ZORDlgSelectorList(panel_, "Points");
  for (const char* line : {"Point.1", "Point.2", "Point.3"}) list_->SetLine(line);
  auto* menu = new ZORDlgContextualMenu(list_, "CxtMenu");
  new ZORDlgPushItem(menu, "RemoveItem");
  new ZORDlgSeparator(menu, "Separator");
  new ZORDlgRadioItem(menu, "item1");
  new ZORDlgRadioItem(menu, "item2");
  ZORICkeParamFrame_var(length_)->GetInPanelEdition(nullptr, panel_, "FraLength", ZORCkeWithSpinner,
                                                    "Length");
  status_ = new ZORDlgLabel(panel_, "Status");
}

void ExampleWidgetsCommand::Subscribe() {
  AddAnalyseNotificationCB(
      spinner_, spinner_->GetSpinnerModifyNotification(),
      [this](ZORCommand*, ZORNotification*, ZORCallbackData) {
        Tell("spinner " + spinner_->GetShownText());
      },
      nullptr);
  AddAnalyseNotificationCB(
      combo_, combo_->GetComboSelectNotification(),
      [this](ZORCommand*, ZORNotification*, ZORCallbackData) {
        Tell("mode " + combo_->GetLine(combo_->GetSelect()).str());
      },
      nullptr);
  AddAnalyseNotificationCB(
      tabs_, tabs_->GetTabSelectNotification(),
      [this](ZORCommand*, ZORNotification*, ZORCallbackData) {
        Tell("page " + tabs_->GetSelectedPage()->GetName().str());
      },
      nullptr);
  auto* menu = ZORDlgContextualMenu::Of(list_);
  AddAnalyseNotificationCB(
      menu, menu->GetVisibilityNotification(),
      [this](ZORCommand*, ZORNotification*, ZORCallbackData) {
        Tell("menu on line " + std::to_string(list_->GetContextualLine()));
      },
      nullptr);
  auto* remove = dynamic_cast<ZORDlgPushItem*>(menu->FindChild("RemoveItem"));
  AddAnalyseNotificationCB(remove, remove->GetMenuIActivateNotification(),
                           &ExampleWidgetsCommand::RemoveLine, nullptr);
  for (int i = 1; i <= 2; ++i) {
    auto* item = dynamic_cast<ZORDlgRadioItem*>(menu->FindChild("item" + std::to_string(i)));
    AddAnalyseNotificationCB(item, item->GetMenuIModifyNotification(),
                             &ExampleWidgetsCommand::CheckMode, ZORIntData(i));
  }
  ZORIParmEvents_var(length_)->SubscribeToValueChange(this, &ExampleWidgetsCommand::ShowLength,
                                                      nullptr);
}

void ExampleWidgetsCommand::RemoveLine(ZORCommand*, ZORNotification*, ZORCallbackData) {
  const int line = list_->GetContextualLine();
  if (line < 0) return;
  Tell("removed line " + std::to_string(line));
  list_->ClearLine(line);
}

void ExampleWidgetsCommand::CheckMode(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  Tell("item" + std::to_string(ZORDataInt(data)) + " checked");
}

void ExampleWidgetsCommand::ShowLength(const char*, void*, ZORNotification*, void*, long) {
  Tell("length " + ZORCkeNumbersDisplay::DoubleToString(length_->GetStoredValue(), ZORString("mm"),
                                                        ZORCkeNumbersDisplay::kRoundedMode)
                       .str());
}

void ExampleWidgetsCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand("ExampleWidgetsCommand",
                                                  [] { return new ExampleWidgetsCommand(); });
}
