#pragma once
// An example feature command that gathers its inputs in a modes selector list: the user picks
// points (or vertices of any result) into the list "PolylinePanel/Points", whose Append and
// Remove buttons choose how a pick changes it (add, remove, replace the selected line, or
// toggle); on OK one line is made from each point to the next, in list order. Picks go through
// the library's point condition: anything but a point is refused, and a point that is not up to
// date with "WENUIINPUT_ERR_600". Started by name as "ExamplePolylineCommand".

#include "ZORDlgDialog.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUINewSelectionTests.h"
#include "ZORWENUIStateCommand.h"

class ZORWENUIModesSelectorList;

class ExamplePolylineCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExamplePolylineCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExamplePolylineCommand();
  ~ExamplePolylineCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! Makes the lines; refuses with a message when fewer than two points are listed.
  bool OkAction(ZORCallbackData data) override;
  //! The journal entry of the result, the first line: its name.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;

  //! Registers the command by name with the host.
  static void Register();

 private:
  bool TakePoint(ZORCallbackData data);

  ZORDlgDialog* panel_;  // owned by the main window until the command ends
  ZORWENUIModesSelectorList* points_;
  ZORVar<ZORWENUIFeatureAgent> agent_;
  ZORVar<ZORWENUINewSelectionTests> tests_;
};
