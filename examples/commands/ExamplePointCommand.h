#pragma once
// An example feature command written on the library, as a workbench developer writes one: it
// creates a point, or edits an existing one. Its panel moves the point along X, checks it, and
// can give up; a handle in the XY plane through the point drags it in that plane. Started by name
// as "ExamplePointCommand" (creation) or "ExamplePointEdition" (edition of the current feature).

#include "ZORDlgDialog.h"
#include "ZORDlgPushButton.h"
#include "ZORFeature.h"
#include "ZORWENUIPlaneTranslator.h"
#include "ZORWENUIStateCommand.h"

class ExamplePointCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExamplePointCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  // Creation: a new point at the origin. Edition: `point` as it stands.
  explicit ExamplePointCommand(ZORFeature* point = nullptr);
  ~ExamplePointCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  // The journal entry of a new point: its name and coordinates.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;
  void BuildGraph() override;

  // Registers the command by name with the host.
  static void Register();

 private:
  bool Move(ZORCallbackData data);
  bool Check(ZORCallbackData data);
  bool GiveUp(ZORCallbackData data);
  ZORFeature* Point() const;
  ZORMathPoint PointAt() const;
  // A drag step of the handle: the point goes where the handle is.
  void Dragged(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  ZORDlgDialog* panel_;  // owned by the main window until the command asks for its end
  ZORDlgPushButton* move_;
  ZORDlgPushButton* check_;
  ZORDlgPushButton* giveUp_;
  ZORDialogAgent* moveAgent_ = nullptr;
  ZORDialogAgent* checkAgent_ = nullptr;
  ZORDialogAgent* giveUpAgent_ = nullptr;
  ZORWENUIPlaneTranslator* handle_;  // let go with RequestDelayedDestruction
};
