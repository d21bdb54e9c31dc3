#pragma once
// What the example panel commands share: a panel of their own on the main window, shown while
// the command is active and hidden when it ends, a status line telling what the panel last heard,
// and the window's close button ending the command as Cancel does.

#include <string>

#include "ZORDlgDialog.h"
#include "ZORStateCommand.h"

class ZORDlgLabel;

class ExamplePanelCommand : public ZORStateCommand {
  ZOR_DECLARE_CLASS(ExamplePanelCommand, ZORStateCommand, ZORMetaObject::Implementation, "Examples")

  ~ExamplePanelCommand() override;

  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  int Desactivate(ZORCommand* caller, ZORNotification* notification) override;
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;

 protected:
  //! The command `name` with its panel `panelName`, whose close button cancels it.
  ExamplePanelCommand(const char* name, const char* panelName);
  //! Hides every window of the command; a command with more windows than its panel adds them.
  virtual void HideWindows();
  //! Shows `status` on the status line, which the derived panel makes ("Status").
  void Tell(const std::string& status);

  ZORDlgDialog* panel_;  // owned by the main window until the command ends
  ZORDlgLabel* status_ = nullptr;
};
