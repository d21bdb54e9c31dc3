#pragma once
// A state command with a panel. The panel is shown while the command runs and hidden when it is
// deactivated or ends. Its OK runs OkAction, then the run action (the update of the result),
// then UpdateOKAction and the end of the command when the run succeeded, UpdateKOAction
// otherwise (the command goes on). Apply runs the run action alone. Cancel and the window's
// close run CancelAction, then the host cancels the command.

#include "ZORDlgDialog.h"
#include "ZORMMUIStateCommand.h"

class ZORMMUIPanelStateCmd : public ZORMMUIStateCommand {
  ZOR_DECLARE_CLASS(ZORMMUIPanelStateCmd, ZORMMUIStateCommand, ZORMetaObject::Implementation,
                    "System")

  explicit ZORMMUIPanelStateCmd(const ZORString& name = ZORString(), ZORCommandMode mode = 0);
  ~ZORMMUIPanelStateCmd() override;

  // The command's panel, or null for a command without one.
  virtual ZORDlgDialog* GiveMyPanel() = 0;
  // The window the command's panels stand in: the application's main window; null without one.
  ZORDialog* GetDialog() const;

  ZORDialogState* GetInitialPanelState(const ZORString& name) { return GetInitialState(name); }
  ZORDialogState* AddPanelState(const ZORString& name) { return AddDialogState(name); }

  virtual bool OkAction(ZORCallbackData data);
  virtual bool CancelAction(ZORCallbackData data);
  virtual bool UpdateOKAction(ZORCallbackData data);
  virtual bool UpdateKOAction(ZORCallbackData data);
  // The work that OK and Apply run; answers whether it succeeded.
  virtual bool RunAction(ZORCallbackData data);

  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  int Desactivate(ZORCommand* caller, ZORNotification* notification) override;
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;

 protected:
  void OnEndReached() override;

 private:
  void HookPanel();
  void UnhookPanel();
  void ShowPanel(int visibility);
  void PanelOK(ZORCommand*, ZORNotification*, ZORCallbackData);
  void PanelApply(ZORCommand*, ZORNotification*, ZORCallbackData);
  void PanelCancel(ZORCommand*, ZORNotification*, ZORCallbackData);

  ZORDlgDialog* hooked_ = nullptr;  // the panel whose buttons we listen to; not owned
};
