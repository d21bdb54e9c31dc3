#pragma once
// An example join command: two or three curves picked one after the other are assembled in
// order ("WENAssemble"), gaps up to the merging distance of the settings closed. After each
// update every junction gets an interactive location whose flag, shown while the pointer is
// over its anchor, tells the input's and the output's continuity there; each gap left open is
// a check error whose defect is the segment that would bridge it, shown at its place by a check
// error viewer. A curve whose geometry cannot be read is refused with the reason. Started by
// name as "ExampleJoinCommand".

#include <memory>
#include <vector>

#include "ZORDlgDialog.h"
#include "ZORGuiCheckErrorViewer.h"
#include "ZORGuiDiscontinuityLocation.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIStateCommand.h"
#include "ZORWire.h"

class ExampleJoinCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExampleJoinCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  //! The most curves joined.
  static constexpr int kMostCurves = 3;

  ExampleJoinCommand();
  ~ExampleJoinCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! The journal entry of the result: its name.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;
  //! Takes the locations and the gaps out of the view, then validates the join.
  bool OkAction(ZORCallbackData data) override;
  //! Takes the locations and the gaps out of the view, then gives the join back.
  bool CancelAction(ZORCallbackData data) override;

  //! Registers the command by name with the host.
  static void Register();

  //! The continuity where `before` ends and `after` starts (each read backwards when
  //! reversed): a gap (-1, mm), a kink (0, degrees), a change of curvature (1, 1/mm) or none
  //! (2). Two `joined` pieces share their vertex: they have no gap.
  static void Measure(const ZORCurve& before, bool beforeReversed, const ZORCurve& after,
                      bool afterReversed, int& type, double& value, bool joined = false);

 private:
  bool TakeCurve(ZORCallbackData data);
  // Updates the join and shows its junctions.
  void Diagnose();
  void Clean();

  ZORDlgDialog* panel_;  // owned by the main window until the command ends
  ZORVar<ZORWENUIFeatureAgent> curve_;
  std::vector<ZORWire_var> wires_;                       // the picked curves' wires, in order
  std::vector<ZORGuiDiscontinuityLocation*> locations_;  // let go by delayed destruction
  std::unique_ptr<ZORGuiCheckErrorViewer> gaps_;
};
