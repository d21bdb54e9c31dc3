#pragma once
// An example edition of the current translation, as a workbench writes one: its panel
// "DirectionPanel" has a "Distance" button that opens a value editor ("DistanceEditor") on the
// translation's distance and, when the translation's direction is a direction feature, that
// feature's direction frame ("FraDirection"): a line picked becomes the direction's element, its
// menu sets components. Each change moves the result at once and the status line tells it. OK
// keeps the changes, Cancel gives the translation back. Started by name as
// "ExampleDirectionCommand".

#include "ZORDialogAgent.h"
#include "ZORDlgDialog.h"
#include "ZORDlgLabel.h"
#include "ZORFeature.h"
#include "ZORIWENDirection.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIStateCommand.h"

class ZORGuiValueEditor;
class ZORWENUIFrameDirection;

class ExampleDirectionCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExampleDirectionCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  explicit ExampleDirectionCommand(ZORFeature* translation);
  ~ExampleDirectionCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! An edition creates nothing to journal.
  HRESULT CreationJournal(const ZORISpecObject_var&, const ZORISpecObject_var&) override {
    return S_OK;
  }

  //! Registers the command by name with the host.
  static void Register();

 private:
  bool OpenEditor(ZORCallbackData data);
  bool TakeDirection(ZORCallbackData data);
  void DirectionChanged(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void BuildDirectionFrame();
  void DistanceChanged(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  ZORFeature* Translation() const;
  void Tell(const std::string& what);

  ZORDlgDialog* panel_;  // owned by the main window until the command asks for its end
  ZORDlgLabel* status_;
  ZORGuiValueEditor* editor_;  // owned by the main window, like the panel
  ZORVar<ZORDialogAgent> distanceAgent_;
  ZORIWENDirection_var direction_;           // the translation's direction, when a feature
  ZORWENUIFrameDirection* frame_ = nullptr;  // a child of the panel
  ZORVar<ZORWENUIFeatureAgent> directionAgent_;
};
