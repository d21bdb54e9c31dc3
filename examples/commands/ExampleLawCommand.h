#pragma once
// An example law command, as a workbench writes one: it creates ("ExampleLawCommand") or edits
// ("ExampleLawEdition", on the current integrated law) a "WENIntegratedLaw" feature through a
// law panel "ZORGuiBasicLawPanel", a window beside its panel "LawCommand", which holds the
// smoothing options ("Smoothing") and a status line. Each change the law panel reports is
// written to the feature at once and the panel is filled again from it; a click in the law
// selector arms a pick of a law feature in the tree. With the implicit type, a curve picked
// becomes the law's support and each point picked a law point valued at the start value; the
// point list's menu removes a point while more than two remain. OK keeps the law, Cancel gives
// it back.

#include "ZORDialogAgent.h"
#include "ZORDlgDialog.h"
#include "ZORDlgLabel.h"
#include "ZORFeature.h"
#include "ZORIWENIntegratedLaw.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIStateCommand.h"

class ZORGuiBasicLawPanel;
class ZORGuiTolerantModelingFrame;

class ExampleLawCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExampleLawCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  //! Edits `law`, or creates a new law when null.
  explicit ExampleLawCommand(ZORFeature* law = nullptr);
  ~ExampleLawCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! Writes "CreationLaw NAME TYPE" in the journal.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;
  //! The law panel, for tests.
  ZORGuiBasicLawPanel* GetLawPanel() const { return lawPanel_; }

  //! Registers the creation and the edition by name with the host.
  static void Register();

 private:
  void LawChanged(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void SmoothingChanged(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  bool TakeLaw(ZORCallbackData data);
  bool TakeImplicitInput(ZORFeature* picked);
  void Refresh();
  void Tell(const std::string& what);

  ZORIWENIntegratedLaw_var law_;
  ZORDlgDialog* panel_;  // owned by the main window until the command asks for its end
  ZORDlgLabel* status_;
  ZORGuiBasicLawPanel* lawPanel_;  // owned by the main window, like the panel
  ZORGuiTolerantModelingFrame* smoothing_;
  ZORICkeParm_var deviation_;
  ZORVar<ZORWENUIFeatureAgent> lawAgent_;
};
