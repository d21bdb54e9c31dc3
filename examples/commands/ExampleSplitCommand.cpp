#include "ExampleSplitCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiWOSCartesianPointOnPlaneAgent.h"
#include "ZORProtectedSection.h"
#include "ZORSpecObjectOf.h"
#include "ZORWenJournaling.h"

namespace {

ZORFeature_var NewSplit() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  return document ? document->CreateFeature("WENSplit") : nullptr;
}

}  // namespace

ExampleSplitCommand::ExampleSplitCommand() : ZORWENUIStateCommand("SplitCommand", 0, 1) {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORDlgDialog(frame ? frame->GetMainWindow() : nullptr, "SplitPanel");
  panel_->SetTitle("Split Definition");
  SetMyFeature(ZORSpecObjectOf(NewSplit()));
  InsertInCurrentContext(GiveMyFeature(), ZORISpecObject_var(), 0);
  diagnosis_ = std::make_unique<ZORGuiSplitTrim>(GiveMyFeature());
}

ExampleSplitCommand::~ExampleSplitCommand() {
  panel_->RequestDelayedDestruction();
}

void ExampleSplitCommand::BuildGraph() {
  ZORDialogState* elementState = GetInitialPanelState("ElementState");
  ZORDialogState* cutterState = AddPanelState("CutterState");
  const ZORBaseUnknown_var self(static_cast<ZORBaseUnknown*>(this));
  element_ = CreateWENFeatureAgent(ZORString("_Element"), ZORUnicodeString("Element"), 0, 0, self);
  element_->AddOrderedElementType(ZORString("ZORIMfMonoDimResult"));
  cutter_ = CreateWENFeatureAgent(ZORString("_Cutter"), ZORUnicodeString("Cutter"), 0, 0, self);
  cutter_->AddOrderedPlaneAcquisition();
  AddAgent(elementState, element_.get());
  AddAgent(cutterState, cutter_.get());
  AddTransition(elementState, cutterState, IsOutputSetCondition(element_.get()),
                Action(&ExampleSplitCommand::TakeElement, nullptr));
  // Another cutter may be picked as long as the command runs.
  AddTransition(cutterState, cutterState, IsOutputSetCondition(cutter_.get()),
                Action(&ExampleSplitCommand::TakeCutter, nullptr));
}

bool ExampleSplitCommand::Take(ZORWENUIFeatureAgent& agent, const char* role) {
  ZORFeature* split = ZORFeature::From(GiveMyFeature().get());
  ZORBaseUnknown* picked = agent.AgentError() ? nullptr : agent.GetElementValue();
  if (!split || !picked) return false;
  agent.RemoveFromHSO();
  return SUCCEEDED(split->SetInput(role, ZORBaseUnknown_var(picked)));
}

bool ExampleSplitCommand::TakeElement(ZORCallbackData) {
  return Take(*element_, "Element");
}

bool ExampleSplitCommand::TakeCutter(ZORCallbackData) {
  if (Take(*cutter_, "Cutter")) Diagnose();
  return true;
}

void ExampleSplitCommand::Diagnose() {
  ZORISpecObject_var split = GiveMyFeature();
  if (!split) return;
  // The previous diagnosis goes first: the update records the new one.
  diagnosis_->CleanBuildDiagnosis();
  HRESULT built = E_FAIL;
  if (ZORHandleCaught(ZORProtect([&] { built = split->Update(); }))) built = E_FAIL;
  diagnosis_->VisualizeBuildDiagnosisData(built);
}

bool ExampleSplitCommand::OkAction(ZORCallbackData data) {
  diagnosis_->CleanBuildDiagnosis();
  return ZORWENUIStateCommand::OkAction(data);
}

bool ExampleSplitCommand::CancelAction(ZORCallbackData data) {
  diagnosis_->CleanBuildDiagnosis();
  return ZORWENUIStateCommand::CancelAction(data);
}

HRESULT ExampleSplitCommand::CreationJournal(const ZORISpecObject_var& result,
                                             const ZORISpecObject_var&) {
  ZORFeature* feature = ZORFeature::From(result.get());
  if (!feature) return E_FAIL;
  ZORWenJournaling::Log("CreationSplit " + feature->GetDisplayNameText());
  return S_OK;
}

void ExampleSplitCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand("ExampleSplitCommand",
                                                  [] { return new ExampleSplitCommand(); });
}
