#pragma once
// An example command that moves the current point with handles, as a workbench developer
// writes one: a 3D manipulator on the point, constrained along X ("ExampleDragAlongX"), in the
// XY plane ("ExampleDragInPlane") or about the Z axis through the origin ("ExampleDragAround"),
// and a panel whose 2D viewer shows the point seen from above with a handle the user drags in
// it. Each drag step moves the point; the panel tells what the drag sent.

#include "ZOR2DManipulator.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DManipulator.h"
#include "ZORDlgDialog.h"
#include "ZORDlgLabel.h"
#include "ZORFeature.h"
#include "ZORNavigation2DViewer.h"
#include "ZORSt3DISO.h"
#include "ZORWENUIStateCommand.h"

class ExampleDragCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExampleDragCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExampleDragCommand(ZORFeature* point, int style);
  ~ExampleDragCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  // An edition creates nothing to journal.
  HRESULT CreationJournal(const ZORISpecObject_var&, const ZORISpecObject_var&) override {
    return S_OK;
  }

  // Registers the three commands by name with the host.
  static void Register();

 private:
  // Manipulator callbacks; the client data tells which notification came.
  void On3D(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void On2D(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  // The end of a drag goes through the state machine, as a user's input does.
  bool EndDrag(ZORCallbackData data);
  void MoveTo(const ZORMathPoint& where);
  // Redraws the 3D drawing and the 2D view at the point.
  void Refresh();
  void Tell(const std::string& what);
  ZORFeature* Point() const;
  ZORMathPoint PointAt() const;

  ZORDlgDialog* panel_;  // owned by the main window until the command asks for its end
  ZORDlgLabel* drag_;
  ZORNavigation2DViewer* viewer_;
  ZOR3DManipulator* mover_;
  ZOR2DManipulator* handle_;
  ZORDialogAgent* endAgent_ = nullptr;
  ZORSt3DISO_var shown_;  // the 3D drawing in the interactive set
  int steps_ = 0;
};
