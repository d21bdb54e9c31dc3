#pragma once
// An example panel of the workbench's selection widgets: a one-element selector ("FraAxis")
// showing the current feature, and a feature list ("CouplPointsList", a number and a point
// per row) of the document's points. Replace in a row's menu puts that point in the selector;
// Remove drops the row; Remove in the selector's menu empties it. Double-clicking the selector
// opens a small "DetailsPanel" that takes the power input focus; its OK hands the focus back
// to the selector panel. Closing the window ends the command. Started by name as
// "ExampleSelectorCommand".

#include <string>

#include "ZORDlgDialog.h"
#include "ZORStateCommand.h"

class ZORDlgLabel;
class ZORWENUIMultiList;
class ZORWENUISelector;

class ExampleSelectorCommand : public ZORStateCommand {
  ZOR_DECLARE_CLASS(ExampleSelectorCommand, ZORStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExampleSelectorCommand();
  ~ExampleSelectorCommand() override;

  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  int Desactivate(ZORCommand* caller, ZORNotification* notification) override;
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;

  //! Registers the command by name with the host.
  static void Register();

 private:
  void BuildPanel();
  void FillPoints();
  void Subscribe();
  void Tell(const std::string& status);
  void ReplaceFromRow(ZORCommand*, ZORNotification*, ZORCallbackData);
  void RemoveRow(ZORCommand*, ZORNotification*, ZORCallbackData);
  void OpenDetails(ZORCommand*, ZORNotification*, ZORCallbackData);
  void CloseDetails(ZORCommand*, ZORNotification*, ZORCallbackData);

  ZORDlgDialog* panel_;    // owned by the main window until the command ends
  ZORDlgDialog* details_;  // likewise
  ZORWENUISelector* selector_ = nullptr;
  ZORWENUIMultiList* points_ = nullptr;
  ZORDlgLabel* status_ = nullptr;
};
