#include "ExamplePanelCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORDlgLabel.h"
#include "ZORNotifyCancel.h"

ExamplePanelCommand::ExamplePanelCommand(const char* name, const char* panelName)
    : ZORStateCommand(name),
      panel_(new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), panelName)) {
  panel_->SetFather(this);
  AddAnalyseNotificationCB(
      panel_, panel_->GetWindCloseNotification(),
      [this](ZORCommand*, ZORNotification*, ZORCallbackData) {
        auto cancel = ZORMake<ZORNotifyCancel>();
        SendNotification(this, cancel.get());
      },
      nullptr);
}

ExamplePanelCommand::~ExamplePanelCommand() {
  panel_->RequestDelayedDestruction();
}

void ExamplePanelCommand::Tell(const std::string& status) {
  status_->SetTitle(ZORUnicodeString(status));
}

void ExamplePanelCommand::HideWindows() {
  panel_->SetVisibility(ZORDialog::kHidden);
}

int ExamplePanelCommand::Activate(ZORCommand* caller, ZORNotification* notification) {
  panel_->SetVisibility(ZORDialog::kShown);
  return ZORStateCommand::Activate(caller, notification);
}

int ExamplePanelCommand::Desactivate(ZORCommand* caller, ZORNotification* notification) {
  HideWindows();
  return ZORStateCommand::Desactivate(caller, notification);
}

int ExamplePanelCommand::Cancel(ZORCommand* caller, ZORNotification* notification) {
  HideWindows();
  return ZORStateCommand::Cancel(caller, notification);
}
