#pragma once
// An example panel of the dialog toolkit's widget families, as a workbench panel uses them: a
// spinner, a combo, a tab container, a list with a contextual menu, a length parameter's
// editor, and a status line telling what the panel last heard. Closing the window ends the
// command. Started by name as "ExampleWidgetsCommand".

#include "ExamplePanelCommand.h"
#include "ZORICkeParm.h"

class ZORDlgCombo;
class ZORDlgSelectorList;
class ZORDlgSpinner;
class ZORDlgTabContainer;

class ExampleWidgetsCommand : public ExamplePanelCommand {
  ZOR_DECLARE_CLASS(ExampleWidgetsCommand, ExamplePanelCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExampleWidgetsCommand();

  //! Registers the command by name with the host.
  static void Register();

 private:
  void BuildPanel();
  void Subscribe();
  void RemoveLine(ZORCommand*, ZORNotification*, ZORCallbackData);
  void CheckMode(ZORCommand*, ZORNotification*, ZORCallbackData data);
  void ShowLength(const char*, void*, ZORNotification*, void*, long);

  ZORDlgSpinner* spinner_ = nullptr;
  ZORDlgCombo* combo_ = nullptr;
  ZORDlgTabContainer* tabs_ = nullptr;
  ZORDlgSelectorList* list_ = nullptr;
  ZORICkeParm_var length_;
};
