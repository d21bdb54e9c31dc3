#pragma once
// A small command for the host program's tests, written on the host bases only: a panel
// "PickPanel" with an "Ask" button that asks a question in a blocking box, a "Raise" button
// whose action raises an error object nobody catches, and two acquiring
// agents — one takes any pick (a picked cell as the BRep feature its import makes), the other
// notes the mouse events the view sends. What they got is kept in `log`, one line each.

#include <string>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORDlgNotify.h"
#include "ZORDlgPushButton.h"
#include "ZORIndicationSegment.h"
#include "ZORNotification.h"
#include "ZORProtectedSection.h"
#include "ZORSurfacicUIStateCommand.h"
#include "ZORWENUIFeatureAgent.h"

// Notes the eye line of each mouse event, then decodes as any feature agent.
class ZORScenarioTestMouseAgent : public ZORWENUIFeatureAgent {
  ZOR_DECLARE_CLASS(ZORScenarioTestMouseAgent, ZORWENUIFeatureAgent, ZORMetaObject::Implementation,
                    "Test")

  explicit ZORScenarioTestMouseAgent(std::vector<std::string>* log = nullptr)
      : ZORWENUIFeatureAgent(ZORString("_Mouse")), log_(log) {}

  int DecodeNotification(ZORCommand* sender, ZORNotification* notification) override {
    const auto* eye = dynamic_cast<const ZORIndicationSegment*>(notification->GetSentObject());
    if (!eye) return ZORWENUIFeatureAgent::DecodeNotification(sender, notification);
    const ZORMathPoint& o = eye->GetLine().GetOrigin();
    const ZORMathVector& d = eye->GetLine().GetDirection();
    log_->push_back(std::string(eye->IsClick() ? "click" : "move") + " from " +
                    sender->GetName().str() + " at " + std::to_string(int(o.GetX())) + "," +
                    std::to_string(int(o.GetY())) + "," + std::to_string(int(o.GetZ())) +
                    " towards " + std::to_string(int(d.GetZ())));
    return 0;
  }
  // Picks are for the other agent.
  bool ExtraCheckPath(ZORPathElement*, int) override { return false; }

 private:
  std::vector<std::string>* log_;
};

class ZORScenarioTestCommand : public ZORSurfacicUIStateCommand {
  ZOR_DECLARE_CLASS(ZORScenarioTestCommand, ZORSurfacicUIStateCommand,
                    ZORMetaObject::Implementation, "Test")

  ZORScenarioTestCommand() : ZORSurfacicUIStateCommand("PickCommand") {
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "PickPanel");
    ask_ = new ZORDlgPushButton(panel_, "Ask");
    raise_ = new ZORDlgPushButton(panel_, "Raise");
  }
  ~ZORScenarioTestCommand() override {
    for (ZORDialogAgent* agent : {askAgent_, raiseAgent_, static_cast<ZORDialogAgent*>(mouseAgent_),
                                  static_cast<ZORDialogAgent*>(pickAgent_)}) {
      if (agent) agent->Release();
    }
    panel_->RequestDelayedDestruction();
  }

  ZORDlgDialog* GiveMyPanel() override { return panel_; }

  void BuildGraph() override {
    ZORDialogState* state = GetInitialPanelState("state1");
    askAgent_ = new ZORDialogAgent("_Ask");
    askAgent_->AcceptOnNotify(ask_, ask_->GetPushBActivateNotification());
    raiseAgent_ = new ZORDialogAgent("_Raise");
    raiseAgent_->AcceptOnNotify(raise_, raise_->GetPushBActivateNotification());
    AddAgent(state, raiseAgent_);
    AddTransition(state, state, IsOutputSetCondition(raiseAgent_),
                  Action(&ZORScenarioTestCommand::Raise, nullptr));
    mouseAgent_ = new ZORScenarioTestMouseAgent(&log);
    pickAgent_ = new ZORWENUIFeatureAgent(ZORString("_Pick"));
    AddAgent(state, askAgent_);
    AddAgent(state, mouseAgent_);
    AddAgent(state, pickAgent_);
    AddTransition(state, state, IsOutputSetCondition(askAgent_),
                  Action(&ZORScenarioTestCommand::Ask, nullptr));
    AddTransition(state, state, IsOutputSetCondition(pickAgent_),
                  Action(&ZORScenarioTestCommand::Picked, nullptr));
  }

  std::vector<std::string> log;

 private:
  bool Ask(ZORCallbackData) {
    auto* box =
        new ZORDlgNotify(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Notify", 0x08100000);
    log.push_back("answer " + std::to_string(box->DisplayBlocked("Keep going?", "Pick")));
    box->RequestDelayedDestruction();
    return true;
  }
  bool Raise(ZORCallbackData) { ZORRaise(new ZORException("out of cheese")); }
  bool Picked(ZORCallbackData) {
    const ZORPathElement* path = pickAgent_->GetValuePath();
    std::string line = "picked " + (path ? path->Describe() : std::string("nothing"));
    // What the import of a picked cell made, or why it failed.
    if (pickAgent_->AgentError())
      line += " (import error " + std::to_string(pickAgent_->AgentError()) + ")";
    ZORFeature* element = ZORFeature::From(pickAgent_->GetElementValue());
    if (element && pickAgent_->ElementInContext(path)) {
      line += " as " + element->GetDisplayNameText() + " [" + element->GetFeatureType().GetName() +
              "] => " + element->GetResultBody()->Describe();
    }
    log.push_back(line);
    pickAgent_->InitializeAcquisition();
    return true;
  }

  ZORDlgDialog* panel_;
  ZORDlgPushButton* ask_;
  ZORDlgPushButton* raise_;
  ZORDialogAgent* askAgent_ = nullptr;
  ZORDialogAgent* raiseAgent_ = nullptr;
  ZORScenarioTestMouseAgent* mouseAgent_ = nullptr;
  ZORWENUIFeatureAgent* pickAgent_ = nullptr;
};
