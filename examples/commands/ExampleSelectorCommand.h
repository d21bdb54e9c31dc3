#pragma once
// An example panel of the workbench's selection widgets: a one-element selector ("FraAxis")
// showing the current feature, and a feature list ("CouplPointsList", a number and a point
// per row) of the document's points. Replace in a row's menu puts that point in the selector;
// Remove drops the row; Remove in the selector's menu empties it. Double-clicking the selector
// opens a small "DetailsPanel" that takes the power input focus; its OK hands the focus back
// to the selector panel. Closing the window ends the command. Started by name as
// "ExampleSelectorCommand".

#include "ExamplePanelCommand.h"

class ZORWENUIMultiList;
class ZORWENUISelector;

class ExampleSelectorCommand : public ExamplePanelCommand {
  ZOR_DECLARE_CLASS(ExampleSelectorCommand, ExamplePanelCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExampleSelectorCommand();
  ~ExampleSelectorCommand() override;

  //! Registers the command by name with the host.
  static void Register();

 private:
  void BuildPanel();
  void FillPoints();
  void Subscribe();
  void HideWindows() override;
  void ReplaceFromRow(ZORCommand*, ZORNotification*, ZORCallbackData);
  void RemoveRow(ZORCommand*, ZORNotification*, ZORCallbackData);
  void OpenDetails(ZORCommand*, ZORNotification*, ZORCallbackData);
  void CloseDetails(ZORCommand*, ZORNotification*, ZORCallbackData);

  ZORDlgDialog* details_;  // owned by the main window until the command ends
  ZORWENUISelector* selector_ = nullptr;
  ZORWENUIMultiList* points_ = nullptr;
};
