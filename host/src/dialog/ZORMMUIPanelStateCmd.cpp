#include "ZORMMUIPanelStateCmd.h"

#include "ZORApplicationFrame.h"
#include "ZORGuiCommandStack.h"
#include "ZORStateCancelNotification.h"

ZORMMUIPanelStateCmd::ZORMMUIPanelStateCmd(const ZORString& name, ZORCommandMode mode)
    : ZORMMUIStateCommand(name, mode) {}

ZORMMUIPanelStateCmd::~ZORMMUIPanelStateCmd() {
  UnhookPanel();
}

ZORDialog* ZORMMUIPanelStateCmd::GetDialog() const {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  return frame ? frame->GetMainWindow() : nullptr;
}

bool ZORMMUIPanelStateCmd::OkAction(ZORCallbackData) {
  return true;
}
bool ZORMMUIPanelStateCmd::CancelAction(ZORCallbackData) {
  return true;
}
bool ZORMMUIPanelStateCmd::UpdateOKAction(ZORCallbackData) {
  return true;
}
bool ZORMMUIPanelStateCmd::UpdateKOAction(ZORCallbackData) {
  return true;
}
bool ZORMMUIPanelStateCmd::RunAction(ZORCallbackData) {
  return true;
}

void ZORMMUIPanelStateCmd::HookPanel() {
  ZORDlgDialog* panel = GiveMyPanel();
  if (panel == hooked_) return;
  UnhookPanel();
  if (!panel) return;
  hooked_ = panel;
  // The panel's notifications that nobody else takes come to this command and its agents.
  panel->SetFather(this);
  AddAnalyseNotificationCB(panel, panel->GetDiaOKNotification(), &ZORMMUIPanelStateCmd::PanelOK,
                           nullptr);
  AddAnalyseNotificationCB(panel, panel->GetDiaAPPLYNotification(),
                           &ZORMMUIPanelStateCmd::PanelApply, nullptr);
  AddAnalyseNotificationCB(panel, panel->GetDiaCANCELNotification(),
                           &ZORMMUIPanelStateCmd::PanelCancel, nullptr);
  AddAnalyseNotificationCB(panel, panel->GetDiaCLOSENotification(),
                           &ZORMMUIPanelStateCmd::PanelCancel, nullptr);
  AddAnalyseNotificationCB(panel, panel->GetWindCloseNotification(),
                           &ZORMMUIPanelStateCmd::PanelCancel, nullptr);
}

void ZORMMUIPanelStateCmd::UnhookPanel() {
  if (!hooked_) return;
  RemoveAnalyseNotificationCBs(hooked_);
  hooked_ = nullptr;
}

void ZORMMUIPanelStateCmd::ShowPanel(int visibility) {
  if (ZORDlgDialog* panel = GiveMyPanel()) panel->SetVisibility(visibility);
}

int ZORMMUIPanelStateCmd::Activate(ZORCommand* caller, ZORNotification* notification) {
  const int rc = ZORMMUIStateCommand::Activate(caller, notification);
  HookPanel();
  ShowPanel(ZORDialog::kShown);
  return rc;
}

int ZORMMUIPanelStateCmd::Desactivate(ZORCommand* caller, ZORNotification* notification) {
  ShowPanel(ZORDialog::kHidden);
  return ZORMMUIStateCommand::Desactivate(caller, notification);
}

int ZORMMUIPanelStateCmd::Cancel(ZORCommand* caller, ZORNotification* notification) {
  ShowPanel(ZORDialog::kHidden);
  UnhookPanel();
  return ZORMMUIStateCommand::Cancel(caller, notification);
}

void ZORMMUIPanelStateCmd::OnEndReached() {
  ShowPanel(ZORDialog::kHidden);
  UnhookPanel();
  ZORMMUIStateCommand::OnEndReached();
}

void ZORMMUIPanelStateCmd::PanelOK(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!IsActive() || !OkAction(nullptr)) return;
  if (!RunAction(nullptr)) {
    UpdateKOAction(nullptr);
    return;
  }
  UpdateOKAction(nullptr);
  ShowPanel(ZORDialog::kHidden);
  UnhookPanel();
  ZORGuiCommandStack::Instance()->CompleteCommand(this);
}

void ZORMMUIPanelStateCmd::PanelApply(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (IsActive()) RunAction(nullptr);
}

void ZORMMUIPanelStateCmd::PanelCancel(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!IsActive()) return;
  CancelAction(nullptr);
  ZORGuiCommandStack::Instance()->CancelCommand(this, ZORStateCancelNotification::kUserCancel);
}
