#pragma once
// A feature command for tests of the command framework: a panel "TestPanel" with a button "Act"
// that runs what the test gives it (the user's click), an optional feature, created or edited,
// and the visible-during-edition flag of its delegate.

#include <functional>
#include <string>
#include <utility>

#include "ZORApplicationFrame.h"
#include "ZORDlgPushButton.h"
#include "ZORFeature.h"
#include "ZORWENUIStateCommand.h"
#include "ZORWenJournaling.h"

class ZORTestFeatureCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ZORTestFeatureCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "Test")

  struct Options {
    ZORFeature* feature = nullptr;
    bool edit = false;
    unsigned char visibleDuringEdition = 1;
    ZORWENUIStateCmdInfo* info = nullptr;
    int startMode = kStartNormal;
    // Runs at the end of the construction, as a concrete command's constructor would.
    std::function<void(ZORTestFeatureCommand&)> setUp = nullptr;
    // Writes the creation journal entry; none: the entry names the result and the reference.
    std::function<HRESULT(const ZORISpecObject_var&, const ZORISpecObject_var&)> journal = nullptr;
  };

  explicit ZORTestFeatureCommand(const Options& options)
      : ZORWENUIStateCommand(options.info, "TestCommand", 0, nullptr, nullptr,
                             options.visibleDuringEdition) {
    if (options.feature) SetMyFeature(ZORISpecObject_var(options.feature));
    SetEditMode(options.edit);
    SetStartMode(options.startMode);
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "TestPanel");
    act_ = new ZORDlgPushButton(panel_, "Act");
    journal_ = options.journal;
    if (options.setUp) options.setUp(*this);
  }
  ~ZORTestFeatureCommand() override {
    if (agent_) agent_->Release();
    panel_->RequestDelayedDestruction();
  }

  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  HRESULT CreationJournal(const ZORISpecObject_var& result,
                          const ZORISpecObject_var& reference) override {
    if (journal_) return journal_(result, reference);
    ZORWenJournaling::Log("Creation " + NameOf(result) + " from " + NameOf(reference));
    return S_OK;
  }
  void BuildGraph() override {
    ZORDialogState* state = GetInitialPanelState("state1");
    agent_ = new ZORDialogAgent("_Act");
    agent_->AcceptOnNotify(act_, act_->GetPushBActivateNotification());
    AddAgent(state, agent_);
    AddTransition(state, state, IsOutputSetCondition(agent_),
                  Action(&ZORTestFeatureCommand::RunAct, nullptr));
  }

  // What the next clicks on "Act" do.
  void OnAct(std::function<void(ZORTestFeatureCommand&)> act) { act_fn_ = std::move(act); }

 private:
  bool RunAct(ZORCallbackData) {
    if (act_fn_) act_fn_(*this);
    return true;
  }

  static std::string NameOf(const ZORISpecObject_var& feature) {
    return feature ? feature->GetDisplayName().str() : std::string("none");
  }

  ZORDlgDialog* panel_;
  ZORDlgPushButton* act_;
  ZORDialogAgent* agent_ = nullptr;
  std::function<void(ZORTestFeatureCommand&)> act_fn_;
  std::function<HRESULT(const ZORISpecObject_var&, const ZORISpecObject_var&)> journal_;
};
