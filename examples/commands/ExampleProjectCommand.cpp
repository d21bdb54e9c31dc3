#include "ExampleProjectCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiWOSCartesianPointOnPlaneAgent.h"
#include "ZORSpecObjectOf.h"
#include "ZORWenJournaling.h"

namespace {

ZORFeature_var NewProjection() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  return document ? document->CreateFeature("WENProject") : nullptr;
}

}  // namespace

ExampleProjectCommand::ExampleProjectCommand() : ZORWENUIStateCommand("ProjectCommand", 0, 1) {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORDlgDialog(frame ? frame->GetMainWindow() : nullptr, "ProjectPanel");
  panel_->SetTitle("Projection Definition");
  SetMyFeature(ZORSpecObjectOf(NewProjection()));
  InsertInCurrentContext(GiveMyFeature(), ZORISpecObject_var(), 0);
}

ExampleProjectCommand::~ExampleProjectCommand() {
  panel_->RequestDelayedDestruction();
}

void ExampleProjectCommand::BuildGraph() {
  ZORDialogState* elementState = GetInitialPanelState("ElementState");
  ZORDialogState* supportState = AddPanelState("SupportState");
  ZORDialogState* directionState = AddPanelState("DirectionState");
  const ZORBaseUnknown_var self(static_cast<ZORBaseUnknown*>(this));

  element_ = CreateWENFeatureAgent(ZORString("_Element"), ZORUnicodeString("Element"), 0, 0, self);
  element_->AddOrderedPointAcquisition();
  support_ = ZORMake<ZORGuiWOSSupportAgent>(ZORString("_Support"), ZORUnicodeString("Support"), 0,
                                            0, self);
  support_->AddOrderedPlaneAcquisition();
  direction_ =
      CreateWENAxisFeatureAgent(ZORString("_Direction"), ZORUnicodeString("Direction"), 0, 0, self);
  AddAgent(elementState, element_.get());
  AddAgent(supportState, support_.get());
  AddAgent(directionState, direction_.get());
  AddTransition(elementState, supportState, IsOutputSetCondition(element_.get()),
                Action(&ExampleProjectCommand::TakeElement, nullptr));
  AddTransition(supportState, directionState, IsOutputSetCondition(support_.get()),
                Action(&ExampleProjectCommand::TakeSupport, nullptr));
  AddTransition(directionState, directionState, IsOutputSetCondition(direction_.get()),
                Action(&ExampleProjectCommand::TakeDirection, nullptr));
}

bool ExampleProjectCommand::Take(ZORWENUIFeatureAgent& agent, const char* role) {
  ZORFeature* projection = ZORFeature::From(GiveMyFeature().get());
  ZORBaseUnknown* picked = agent.AgentError() ? nullptr : agent.GetElementValue();
  if (!projection || !picked) return false;
  agent.RemoveFromHSO();
  return SUCCEEDED(projection->SetInput(role, ZORBaseUnknown_var(picked)));
}

bool ExampleProjectCommand::TakeElement(ZORCallbackData) {
  return Take(*element_, "Element");
}

bool ExampleProjectCommand::TakeSupport(ZORCallbackData) {
  return Take(*support_, "Support");
}

bool ExampleProjectCommand::TakeDirection(ZORCallbackData) {
  Take(*direction_, "Direction");
  return true;
}

HRESULT ExampleProjectCommand::CreationJournal(const ZORISpecObject_var& result,
                                               const ZORISpecObject_var&) {
  ZORFeature* projection = ZORFeature::From(result.get());
  if (!projection) return E_FAIL;
  ZORWenJournaling::Log("CreationProject " + projection->GetDisplayNameText());
  return S_OK;
}

void ExampleProjectCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand("ExampleProjectCommand",
                                                  [] { return new ExampleProjectCommand(); });
}
