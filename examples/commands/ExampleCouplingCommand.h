#pragma once
// An example command that edits couplings between profiles, as a sweep command does: the
// panel "CouplingPanel" holds the coupling frame (the numbered couplings, their menu and the
// show-lines button) and a status line; the window "ZORGuiCouplingPanel" lists the points of
// the coupling being edited. A picked polyline becomes a profile, drawn with a marker at each
// vertex (its start, inner vertices and end have their own shapes); a picked point joins the
// coupling being edited, and each coupling is drawn as a line through its points, named at
// its middle. A click on a line edits that coupling; its contextual menu offers to remove it.
// On OK each coupling of two points or more becomes a polyline. Started by name as
// "ExampleCouplingCommand".

#include <vector>

#include "ZORDlgDialog.h"
#include "ZORDlgLabel.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIStateCommand.h"

class ZORGuiCouplingFrame;
class ZORGuiCouplingPanel;
class ZORGuiCouplingPointSymbol;
class ZORGuiCouplingSymbol;

class ExampleCouplingCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ExampleCouplingCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Examples")

  ExampleCouplingCommand();
  ~ExampleCouplingCommand() override;

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  void BuildGraph() override;
  //! Makes one polyline per coupling of two points or more; refuses when there is none.
  bool OkAction(ZORCallbackData data) override;
  //! Writes "CreationCoupling NAME" in the journal, NAME the first polyline.
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override;

  //! The coupling frame, for tests.
  ZORGuiCouplingFrame* GetCouplingFrame() const { return frame_; }
  //! The points window, for tests.
  ZORGuiCouplingPanel* GetPointsPanel() const { return pointsPanel_; }
  //! The points of each coupling, in order.
  std::vector<ZORListValZORISpecObject_var> GetCouplings() const;
  //! The line symbol of coupling `row` (from 1); null when lines are hidden.
  ZORGuiCouplingSymbol* GetSymbol(int row) const;
  //! The profiles' symbols, in the order they were picked.
  const std::vector<ZORGuiCouplingPointSymbol*>& GetProfiles() const { return profiles_; }

  //! Registers the command by name with the host.
  static void Register();

 private:
  struct Coupling {
    ZORListValZORISpecObject_var points;
    ZORGuiCouplingSymbol* symbol = nullptr;  // the creation reference, handed over at the end
  };

  bool TakePoint(ZORCallbackData data);
  bool TakeProfile(ZORCallbackData data);
  void FrameAction(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void PointsAction(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void SymbolContext(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void SymbolActivated(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  void RemoveFromMenu(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  // A new empty coupling at `position` (from 1), edited.
  void Insert(int position);
  void Remove(int row);
  // The coupling whose line `sender` is; 0 for none.
  int RowOf(const ZORCommand* sender) const;
  void ShowLine(Coupling& coupling);
  void HideLine(Coupling& coupling);
  // Shows the couplings, the selection, the names of the lines, the menu's sensitivity and
  // the points of the edited coupling.
  void Refresh();
  void Tell(const std::string& what);

  ZORDlgDialog* panel_;  // owned by the main window until the command asks for its end
  ZORGuiCouplingFrame* frame_;
  ZORDlgLabel* status_;
  ZORGuiCouplingPanel* pointsPanel_;  // a window of the main window, like the panel
  std::vector<Coupling> couplings_;
  std::vector<ZORGuiCouplingPointSymbol*> profiles_;  // creation references
  int edited_ = 0;                                    // from 1; 0 when none
  int contextRow_ = 0;                                // the line whose menu is open
  bool linesShown_ = true;
  ZORVar<ZORWENUIFeatureAgent> pointAgent_;
  ZORVar<ZORWENUIFeatureAgent> profileAgent_;
};
