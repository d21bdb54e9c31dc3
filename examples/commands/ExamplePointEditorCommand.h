#pragma once
// An example edition of the current point through a 3D point editor: its panel
// "PointEditorPanel" holds the editor "Point" with its Cartesian, cylindrical and spherical
// pages; each value the user changes moves the point at once, and the status line tells the
// point and the page in front. OK keeps the point, Cancel gives it back. Started by name as
// "ExamplePointEditorCommand".

#include "ZORDlgDialog.h"
#include "ZORDlgLabel.h"
#include "ZORFeature.h"
#include "ZORWENUIStateCommand.h"

class ZORWENUIEditor3DPoint;

class ExamplePointEditorCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExamplePointEditorCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  explicit ExamplePointEditorCommand(ZORFeature* point);
  ~ExamplePointEditorCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! An edition creates nothing to journal.
  HRESULT CreationJournal(const ZORISpecObject_var&, const ZORISpecObject_var&) override {
    return S_OK;
  }

  //! Registers the command by name with the host.
  static void Register();

 private:
  void MovePoint(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void TellPage(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  ZORFeature* Point() const;

  ZORDlgDialog* panel_;  // owned by the main window until the command asks for its end
  ZORWENUIEditor3DPoint* editor_;
  ZORDlgLabel* status_;
};
