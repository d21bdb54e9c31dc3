#pragma once
// An example feature command asking its inputs one after the other, one agent per state, as a
// workbench command on a working support does: the element to project (a point; on a working
// support the user may click on it to make one), the support (the working support's own plane
// when one is current, taken at once), then the direction (a line; on a working plane a click
// makes an axis normal to it). Each input links the projection at once; OK updates it.
// Started by name as "ExampleProjectCommand".

#include "ZORDlgDialog.h"
#include "ZORGuiWOSSupportAgent.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIStateCommand.h"

class ExampleProjectCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExampleProjectCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExampleProjectCommand();
  ~ExampleProjectCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! The journal entry of the result: its name.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;

  //! Registers the command by name with the host.
  static void Register();

 private:
  //! Links the feature `agent` designates under `role` of the projection.
  bool Take(ZORWENUIFeatureAgent& agent, const char* role);
  bool TakeElement(ZORCallbackData data);
  bool TakeSupport(ZORCallbackData data);
  bool TakeDirection(ZORCallbackData data);

  ZORDlgDialog* panel_;  // owned by the main window until the command ends
  ZORVar<ZORWENUIFeatureAgent> element_;
  ZORVar<ZORGuiWOSSupportAgent> support_;
  ZORVar<ZORWENUIFeatureAgent> direction_;
};
