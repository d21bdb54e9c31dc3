#pragma once
// An example panel of the dialog toolkit's widget families, as a workbench panel uses them: a
// spinner, a combo, a tab container, a list with a contextual menu, a length parameter's
// editor, and a status line telling what the panel last heard. Closing the window ends the
// command. Started by name as "ExampleWidgetsCommand".

#include <string>

#include "ZORDlgDialog.h"
#include "ZORICkeParm.h"
#include "ZORStateCommand.h"

class ZORDlgCombo;
class ZORDlgLabel;
class ZORDlgSelectorList;
class ZORDlgSpinner;
class ZORDlgTabContainer;

class ExampleWidgetsCommand : public ZORStateCommand {
  ZOR_DECLARE_CLASS(ExampleWidgetsCommand, ZORStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExampleWidgetsCommand();
  ~ExampleWidgetsCommand() override;

  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  int Desactivate(ZORCommand* caller, ZORNotification* notification) override;
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;

  //! Registers the command by name with the host.
  static void Register();

 private:
  void BuildPanel();
  void Subscribe();
  void Tell(const std::string& status);
  void RemoveLine(ZORCommand*, ZORNotification*, ZORCallbackData);
  void CheckMode(ZORCommand*, ZORNotification*, ZORCallbackData data);
  void ShowLength(const char*, void*, ZORNotification*, void*, long);

  ZORDlgDialog* panel_;  // owned by the main window until the command ends
  ZORDlgSpinner* spinner_ = nullptr;
  ZORDlgCombo* combo_ = nullptr;
  ZORDlgTabContainer* tabs_ = nullptr;
  ZORDlgSelectorList* list_ = nullptr;
  ZORDlgLabel* status_ = nullptr;
  ZORICkeParm_var length_;
};
