#pragma once
// An example command that places a copy of a profile by two axis systems, as a sweep command
// positions its profile: the user picks a polyline, then the first origin and main direction,
// then the second origin and second direction (the planar positioning frame, mode 1). The
// frame's handles drag the displacement and turn the angle; the positioned profile is drawn
// with its "Positioned element" text. The panel "PositionPanel" holds the frame's part and a
// status line. On OK the positioned profile becomes points and a polyline through them.
// Started by name as "ExamplePositionCommand".

#include <string>
#include <vector>

#include "ZORDlgDialog.h"
#include "ZORDlgFrame.h"
#include "ZORDlgLabel.h"
#include "ZORIWENPositioningUser.h"
#include "ZORWENPPFMode.h"
#include "ZORWENPPFVisu.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIStateCommand.h"

class ZORGuiPlanarPosFrame;

class ExamplePositionCommand : public ZORWENUIStateCommand, public ZORIWENPositioningUser {
  ZOR_DECLARE_CLASS(ExamplePositionCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")
  ZOR_IMPLEMENTS(ZORWENUIStateCommand, ZORIWENPositioningUser)

 public:
  //! A command walking the systems as `mode` says; without `withPositioner` it gives its frame
  //! no positioner (the frame then shows no handles). `visu` is the frame's panel variant.
  explicit ExamplePositionCommand(ZORWENPPFMode mode = ZORWENPPFMode1, bool withPositioner = true,
                                  ZORWENPPFVisu visu = ZORWENPPFVisu2);
  ~ExamplePositionCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! Makes the points of the positioned profile and a polyline through them; refused while
  //! the profile cannot be positioned.
  bool OkAction(ZORCallbackData data) override;
  //! Writes "CreationPosition NAME" in the journal.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;

  //! Counts the states, for tests.
  void PositioningStateAdded(ZORDialogState* state) override;
  //! Says what was set on the status line.
  void PositioningElementSet(int index, int kind, const ZORISpecObject_var& element) override;
  //! Brings the transformation's result up to date and says its values.
  void PositioningChanged(const ZORIWENPositionTransfo_var& transfo) override;
  //! The transformation's positioner.
  ZORIWENDefaultPositioner_var GetDefaultPositioner() override;

  //! The positioning frame, for tests.
  ZORGuiPlanarPosFrame* GetPositioningFrame() const { return frame_; }
  //! How many states the frame announced.
  int GetAnnouncedStates() const { return announced_; }
  //! The frame's notifications heard, in order: "exit", "select".
  const std::vector<std::string>& GetHeard() const { return heard_; }
  //! How many changes the frame told.
  int GetChanges() const { return changes_; }

  //! Registers the command by name with the host.
  static void Register();

 private:
  bool TakeProfile(ZORCallbackData data);
  void FrameNotified(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void Tell(const std::string& what);

  ZORDlgDialog* panel_;  // owned by the main window until the command asks for its end
  ZORDlgLabel* status_;
  ZORGuiPlanarPosFrame* frame_;  // the creation reference, handed over at the end
  ZORVar<ZORWENUIFeatureAgent> profileAgent_;
  bool withPositioner_;
  std::vector<std::string> heard_;
  int announced_ = 0;
  int changes_ = 0;
};
