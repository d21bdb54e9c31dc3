#include "ExamplePointAlongLineCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORDialogAgent.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiSolutionSelectorFrame.h"
#include "ZORString.h"
#include "ZORWenJournaling.h"

namespace {

ZORFeature_var NewPointAlongLine(ZORFeature* line) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  ZORFeature_var feature =
      document ? document->CreateFeature("WENPointAlongLine") : ZORFeature_var();
  if (feature) feature->SetInput("Line", ZORBaseUnknown_var(line));
  return feature;
}

}  // namespace

ExamplePointAlongLineCommand::ExamplePointAlongLineCommand(ZORFeature* line)
    : ZORWENUIPreviewCommand("PointAlongLineCommand", 0) {
  ZORFeature_var feature = NewPointAlongLine(line);
  SetMyFeature(ZORISpecObject_var(feature.get()));
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORDlgDialog(frame ? frame->GetMainWindow() : nullptr, "PointAlongLinePanel");
  panel_->SetTitle("Point along a line");
  panel_->SetFather(this);
  selector_ = new ZORGuiSolutionSelectorFrame(panel_, 1, 0, 0, this);
  status_ = new ZORDlgLabel(panel_, "Status");
  status_->SetTitle("pick a point");
  AddAnalyseNotificationCB(selector_, selector_->GetSolSChangeCurrentNotification(),
                           &ExamplePointAlongLineCommand::SelectorChanged, nullptr);
}

ExamplePointAlongLineCommand::~ExamplePointAlongLineCommand() {
  RemoveAnalyseNotificationCBs(nullptr);
  panel_->RequestDelayedDestruction();
}

void ExamplePointAlongLineCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("PointAlongLineState");
  pointAgent_ = ZORMake<ZORWENUIFeatureAgent>("_Point", "WENPoint");
  AddAgent(state, pointAgent_.get());
  AddTransition(state, state, IsOutputSetCondition(pointAgent_.get()),
                Action(&ExamplePointAlongLineCommand::TakePoint, nullptr));
  AddAgent(state, GetActivateAgent());
  AddTransition(state, state, IsOutputSetCondition(GetActivateAgent()),
                Action(&ZORWENUIPreviewCommand::SelPreviewBody, nullptr));
}

ZORFeature* ExamplePointAlongLineCommand::Feature() {
  return ZORFeature::From(GiveMyFeature().get());
}

bool ExamplePointAlongLineCommand::TakePoint(ZORCallbackData) {
  ZORFeature* picked =
      pointAgent_->AgentError() ? nullptr : ZORFeature::From(pointAgent_->GetElementValue());
  pointAgent_->RemoveFromHSO();
  pointAgent_->InitializeAcquisition();
  ZORFeature* feature = Feature();
  if (!picked || !feature) return true;
  feature->SetInput("Point", ZORBaseUnknown_var(picked));
  PreviewSolutions();
  selector_->SetTotal(GetNbSol());
  selector_->SetCurrent(GetCurrentSol() + 1, 0);
  return true;
}

void ExamplePointAlongLineCommand::SelectorChanged(ZORCommand*, ZORNotification*, ZORCallbackData) {
  SetCurrentSol(selector_->GetCurrent() - 1);
}

void ExamplePointAlongLineCommand::AdjustData(int solution) {
  ZORFeature* feature = Feature();
  if (!feature) return;
  feature->SetValue("Solution", solution);
  feature->Update();
  if (selector_) selector_->SetCurrent(solution + 1, 0);
  if (status_ && GetNbSol() > 0) {
    status_->SetTitle(ZORString::Format("solution %d of %d", solution + 1, GetNbSol()).c_str());
  }
}

HRESULT ExamplePointAlongLineCommand::CreationJournal(const ZORISpecObject_var& result,
                                                      const ZORISpecObject_var&) {
  ZORFeature* point = ZORFeature::From(result.get());
  if (!point) return E_FAIL;
  ZORWenJournaling::Log("CreationPointAlongLine " + point->GetDisplayNameText() + " " +
                        std::to_string(static_cast<int>(point->GetValue("Solution"))));
  return S_OK;
}

void ExamplePointAlongLineCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand(
      "ExamplePointAlongLineCommand", []() -> ZORStateCommand* {
        ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
        ZORFeature* current =
            editor ? ZORFeature::From(editor->GetCurrentFeatureObject().get()) : nullptr;
        if (!current || !current->IsSubTypeOf("WENLine")) return nullptr;
        return new ExamplePointAlongLineCommand(current);
      });
}
