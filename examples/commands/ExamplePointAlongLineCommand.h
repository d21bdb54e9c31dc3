#pragma once
// An example command with several solutions, as a workbench writes one on the preview command:
// "ExamplePointAlongLineCommand" places a point 10 mm from a picked point along the current
// line, on either side. Once the point is picked, both solutions are shown as numbered sites;
// a click on a site, or the solution selector of the panel "PointAlongLinePanel", chooses the
// one OK keeps.

#include "ZORDlgDialog.h"
#include "ZORDlgLabel.h"
#include "ZORFeature.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIPreviewCommand.h"

class ZORGuiSolutionSelectorFrame;

class ExamplePointAlongLineCommand : public ZORWENUIPreviewCommand {
  ZOR_DECLARE_CLASS(ExamplePointAlongLineCommand, ZORWENUIPreviewCommand,
                    ZORMetaObject::Implementation, "Examples")

  //! A new point along `line`.
  explicit ExamplePointAlongLineCommand(ZORFeature* line);
  ~ExamplePointAlongLineCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! Writes "CreationPointAlongLine NAME SOLUTION" in the journal.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;
  //! The feature takes the solution, the selector shows it.
  void AdjustData(int solution) override;

  //! Registers the command by name with the host.
  static void Register();

 private:
  bool TakePoint(ZORCallbackData data);
  void SelectorChanged(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  ZORFeature* Feature();

  ZORDlgDialog* panel_;  // owned by the main window until the command asks for its end
  ZORDlgLabel* status_;
  ZORGuiSolutionSelectorFrame* selector_;
  ZORVar<ZORWENUIFeatureAgent> pointAgent_;
};
