#pragma once
// A feature command for tests of the selector lists: a panel "ListPanel" holding the list the
// test makes (`makeList`), and an agent that acquires points and vertices, each pick handed to
// what the test gives (`onPick`) with the picked element, as a command's action would.

#include <functional>
#include <utility>

#include "ZORApplicationFrame.h"
#include "ZORDlgDialog.h"
#include "ZORFeature.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIStateCommand.h"

class ZORTestSelectorListCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ZORTestSelectorListCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Test")

  using Picked = std::function<void(ZORTestSelectorListCommand&, const ZORISpecObject_var&)>;

  ZORTestSelectorListCommand(const std::function<void(ZORDlgDialog*)>& makeList, Picked onPick)
      : ZORWENUIStateCommand("SelectorListCommand", 0, 1), onPick_(std::move(onPick)) {
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "ListPanel");
    makeList(panel_);
  }
  ~ZORTestSelectorListCommand() override { panel_->RequestDelayedDestruction(); }

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  HRESULT CreationJournal(const ZORISpecObject_var&, const ZORISpecObject_var&) override {
    return S_OK;
  }
  void BuildGraph() override {
    ZORDialogState* state = GetInitialPanelState("ListState");
    agent_ = ZORMake<ZORWENUIFeatureAgent>("_Pick", "WENPoint");
    agent_->AddOrderedPointAcquisition();
    AddAgent(state, agent_.get());
    AddTransition(state, state, IsOutputSetCondition(agent_.get()),
                  Action(&ZORTestSelectorListCommand::TakePick, nullptr));
  }

 private:
  bool TakePick(ZORCallbackData) {
    const ZORISpecObject_var picked(agent_->AgentError() ? nullptr : agent_->GetElementValue());
    agent_->RemoveFromHSO();
    agent_->InitializeAcquisition();
    if (picked && onPick_) onPick_(*this, picked);
    return true;
  }

  ZORDlgDialog* panel_;
  ZORVar<ZORWENUIFeatureAgent> agent_;
  Picked onPick_;
};
