#pragma once
// An example feature command written on the library: it rotates a point about a line
// ("ExampleRotateCommand"). Pick a point (the element), then a line (the axis); a rotator
// handle then turns the rotation's result about the axis, an arrow shows the axis direction,
// and the point where it started is marked in a temporary bag with a flag. Its panel
// "RotatePanel" has "Angle" (a number field, in degrees).

#include <memory>

#include "ZORDlgEditor.h"
#include "ZORGuiBagRep.h"
#include "ZORGuiDirectionSymbol.h"
#include "ZORWENUIDialog.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIRotator.h"
#include "ZORWENUIStateCommand.h"

class ExampleRotateCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExampleRotateCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExampleRotateCommand();
  ~ExampleRotateCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;

  static void Register();

 private:
  bool TakeElement(ZORCallbackData data);
  bool TakeAxis(ZORCallbackData data);
  bool TakeAngle(ZORCallbackData data);
  // A drag step: the rotation takes the handle's angle.
  void Turned(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void SetAngle(double degrees);
  // The handles, once the element and the axis are known.
  void PlaceHandles();
  ZORFeature* Rotation() const;

  ZORWENUIDialog* panel_;  // owned by the main window until the command asks for its end
  ZORDlgEditor* angle_;
  ZORVar<ZORWENUIFeatureAgent> elementAgent_;
  ZORVar<ZORWENUIFeatureAgent> axisAgent_;
  ZORVar<ZORDialogAgent> angleAgent_;
  ZORWENUIRotator* rotator_;                 // let go with RequestDelayedDestruction
  ZORGuiDirectionSymbol* symbol_ = nullptr;  // the same
  std::unique_ptr<ZORGuiBagRep> start_;      // the element, flagged
};
