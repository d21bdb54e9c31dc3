#pragma once
//! \class ZORWENUIOrients
//! The orientation question: a one-state command that shows a feature's former and new
//! orientations as two arrows (not pickable) and asks in a small panel whether to invert the
//! feature's orientation. Yes sets the feature's orientation flag, replaces the feature by
//! itself and updates it; no leaves it. Either answer ends the command.
//!
//! Created by name: ZORGuiCommandStack::CreateCommand("ZORWENUIOrients") (the library
//! registers fctCreateZORWENUIOrients when it loads); SetData before it starts.

#include "ZORDialogAgent.h"
#include "ZORISpecObject.h"
#include "ZORMathLine.h"
#include "ZORStateCommand.h"
#include "ZORWENUIInvertor.h"
#include "ZORWENUIOrientsPanel.h"

class ZORWENUIOrients : public ZORStateCommand {
  ZOR_DECLARE_CLASS(ZORWENUIOrients, ZORStateCommand, ZORMetaObject::Implementation, "WENUI")

  //! The colour of the second arrow (the new orientation).
  static constexpr unsigned int kSecondArrowColor = 246;

  //! A command that asks nothing until SetData and BuildGraph.
  explicit ZORWENUIOrients(const ZORString& name = ZORString("ZORWENUIOrients"),
                           ZORCommandMode mode = 0);
  //! Erases the arrows and hands the panel over, if the command did not end.
  ~ZORWENUIOrients() override;

  //! The feature, its two reference lines (former and new orientation) and the update-all flag
  //! of the update that follows a yes.
  void SetData(const ZORISpecObject_var& feature, const ZORMathLine& line1,
               const ZORMathLine& line2, const int updateAll);

  //! Opens the panel on the main window, one state whose yes (OK) and no (Apply, close)
  //! transitions run YesCB and NoCB, and the two arrows.
  void BuildGraph() override;
  //! Shows the former orientation (line 1) and the new one (line 2, kSecondArrowColor) as two
  //! straight arrows that cannot be picked, replacing those shown.
  void BuildPreview();
  //! Hands both arrows over for destruction.
  void ErasePreview();
  //! Erases the arrows and the panel, then cancels as a state command; the feature is left.
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;
  //! Inverts the feature's orientation (flag set, feature replaced by itself) and updates it with
  //! the update-all flag of SetData; answers true.
  bool YesCB(ZORCallbackData data);
  //! Leaves the feature as it is; answers true.
  bool NoCB(ZORCallbackData data);

  //! The question's panel while the command runs; null before BuildGraph and after it ends.
  ZORWENUIOrientsPanel* GetPanel() const { return panel_; }
  //! Arrow 1 (former orientation) or 2 (new); null for another index or when not shown.
  ZORWENUIInvertor* GetInvertor(int index) const;

 protected:
  //! The panel and the arrows go when the command ends on an answer, as on a cancel.
  void OnEndReached() override;

 private:
  //! Erases the arrows, hands the panel over for destruction and lets go of the agents.
  void Clean();

  ZORVar<ZORDialogAgent> yesAgent_;
  ZORVar<ZORDialogAgent> noAgent_;
  ZORWENUIOrientsPanel* panel_ = nullptr;  // its window's, or ours without a main window
  ZORISpecObject_var feature_;
  ZORMathLine line1_;
  ZORMathLine line2_;
  ZORVar<ZORWENUIInvertor> invertor1_;
  ZORVar<ZORWENUIInvertor> invertor2_;
  int updateAll_ = 1;
};

//! The creation function registered under the command name "ZORWENUIOrients".
ZORStateCommand* fctCreateZORWENUIOrients();
