#pragma once
// An example split command: the curve to split, then the plane that cuts it, each picked in
// its own state. Each input links the split and updates it at once, and what the build found
// wrong is shown in 3D: the curve in error and its cutter when nothing is cut, the cut vertices
// with a warning when the curve is cut in several places. OK and Cancel take the diagnosis out
// of the view. Started by name as "ExampleSplitCommand".

#include <memory>

#include "ZORDlgDialog.h"
#include "ZORGuiSplitTrim.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIStateCommand.h"

class ExampleSplitCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExampleSplitCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExampleSplitCommand();
  ~ExampleSplitCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! The journal entry of the result: its name.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;
  //! Takes the diagnosis out of the view, then validates the split.
  bool OkAction(ZORCallbackData data) override;
  //! Takes the diagnosis out of the view, then gives the split back.
  bool CancelAction(ZORCallbackData data) override;

  //! Registers the command by name with the host.
  static void Register();

 private:
  bool Take(ZORWENUIFeatureAgent& agent, const char* role);
  bool TakeElement(ZORCallbackData data);
  bool TakeCutter(ZORCallbackData data);
  // Updates the split once both inputs are given and shows what the build found.
  void Diagnose();

  ZORDlgDialog* panel_;  // owned by the main window until the command ends
  ZORVar<ZORWENUIFeatureAgent> element_;
  ZORVar<ZORWENUIFeatureAgent> cutter_;
  std::unique_ptr<ZORGuiSplitTrim> diagnosis_;
};
