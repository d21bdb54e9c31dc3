#include "ExampleRotateCommand.h"

#include <cmath>

#include "ZORApplicationFrame.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiCommandStack.h"
#include "ZORSpecObjectOf.h"
#include "ZORWenJournaling.h"

namespace {

constexpr const char* kAngle = "Angle";

ZORFeature* TakePick(ZORWENUIFeatureAgent& agent) {
  ZORFeature* picked = agent.AgentError() ? nullptr : ZORFeature::From(agent.GetElementValue());
  agent.RemoveFromHSO();
  agent.InitializeAcquisition();
  return picked;
}

ZORBody_var BodyOf(ZORFeature* feature) {
  return ZORGmoUtilitiesBody::GetBodyFromSpec(ZORBaseUnknown_var(ZORSpecObjectOf(feature).get()));
}

}  // namespace

ExampleRotateCommand::ExampleRotateCommand() : ZORWENUIStateCommand("RotateCommand", 0, 1) {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORWENUIDialog(frame ? frame->GetMainWindow() : nullptr, "RotatePanel", 0);
  panel_->SetTitle("Rotate Definition");
  angle_ = new ZORDlgEditor(panel_, kAngle, ZORDlgEditor::kNumeric);
  angle_->SetValue(0);
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  ZORFeature_var rotation = document ? document->CreateFeature("WENRotate") : nullptr;
  if (rotation) {
    rotation->SetValue(kAngle, 0);
    SetMyFeature(ZORSpecObjectOf(rotation));
    InsertInCurrentContext(GiveMyFeature(), ZORISpecObject_var(), 0);
  }
  rotator_ = new ZORWENUIRotator(this, 0);
  AddAnalyseNotificationCB(rotator_, rotator_->GetModifyNotification(),
                           &ExampleRotateCommand::Turned, nullptr);
}

ExampleRotateCommand::~ExampleRotateCommand() {
  rotator_->RequestDelayedDestruction();
  if (symbol_) symbol_->RequestDelayedDestruction();
  panel_->RequestDelayedDestruction();
}

void ExampleRotateCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("RotateState");
  elementAgent_ = ZORMake<ZORWENUIFeatureAgent>("_Element", "WENPoint");
  axisAgent_ = ZORMake<ZORWENUIFeatureAgent>("_Axis", "WENLine");
  angleAgent_ = ZORMake<ZORDialogAgent>("_Angle");
  angleAgent_->AcceptOnNotify(angle_, angle_->GetEditActivateNotification());
  AddAgent(state, elementAgent_.get());
  AddAgent(state, axisAgent_.get());
  AddAgent(state, angleAgent_.get());
  AddTransition(state, state, IsOutputSetCondition(elementAgent_.get()),
                Action(&ExampleRotateCommand::TakeElement, nullptr));
  AddTransition(state, state, IsOutputSetCondition(axisAgent_.get()),
                Action(&ExampleRotateCommand::TakeAxis, nullptr));
  AddTransition(state, state, IsOutputSetCondition(angleAgent_.get()),
                Action(&ExampleRotateCommand::TakeAngle, nullptr));
}

ZORFeature* ExampleRotateCommand::Rotation() const {
  return ZORFeature::From(const_cast<ExampleRotateCommand*>(this)->GiveMyFeature().get());
}

bool ExampleRotateCommand::TakeElement(ZORCallbackData) {
  ZORFeature* element = TakePick(*elementAgent_);
  if (element && Rotation()) Rotation()->SetInput("Element", ZORSpecObjectOf(element));
  PlaceHandles();
  return true;
}

bool ExampleRotateCommand::TakeAxis(ZORCallbackData) {
  ZORFeature* axis = TakePick(*axisAgent_);
  if (axis && Rotation()) Rotation()->SetInput("Axis", ZORSpecObjectOf(axis));
  PlaceHandles();
  return true;
}

bool ExampleRotateCommand::TakeAngle(ZORCallbackData) {
  angleAgent_->InitializeAcquisition();
  double degrees = 0;
  if (angle_->GetValue(degrees)) {
    rotator_->SetAbsAngle(degrees);
    SetAngle(rotator_->GetAngle());
  }
  return true;
}

void ExampleRotateCommand::Turned(ZORCommand*, ZORNotification*, ZORCallbackData) {
  rotator_->SetPosition(rotator_->GetPosition());
  SetAngle(rotator_->GetAngle());
}

void ExampleRotateCommand::SetAngle(double degrees) {
  ZORFeature* rotation = Rotation();
  if (!rotation) return;
  // Kept to the model's resolution, so that a quarter turn reads 90.
  degrees = std::round(degrees * 1e6) / 1e6;
  rotation->SetValue(kAngle, degrees);
  angle_->SetValue(degrees);
  if (rotation->GetInput("Element") && rotation->GetInput("Axis")) {
    ZORGmoUtilitiesServices::Update(GiveMyFeature());
  }
}

void ExampleRotateCommand::PlaceHandles() {
  ZORFeature* rotation = Rotation();
  if (!rotation) return;
  ZORBody_var element = BodyOf(rotation->GetInput("Element"));
  ZORBody_var axisBody = BodyOf(rotation->GetInput("Axis"));
  ZORMathLine axis;
  double start = 0, end = 0;
  if (!element || element->GetVertices().empty() || !axisBody ||
      !axisBody->GetLine(axis, start, end)) {
    return;
  }
  rotator_->SetLocationPoint(element->GetVertices().front());
  rotator_->SetLineDirection(axis);
  rotator_->SetModeVisu(ZORWENUIRotator::kArc);
  rotator_->SetAbsAngle(rotation->GetValue(kAngle));

  if (symbol_) symbol_->RequestDelayedDestruction();
  ZORMathDirection along(axis.GetDirection());
  ZORMathPoint origin = axis.GetOrigin();
  symbol_ = new ZORGuiDirectionSymbol(this, along, origin);
  symbol_->AssociateText("Axis");

  start_ = std::make_unique<ZORGuiBagRep>();
  start_->SetTopology(ZORGuiBagRep::kVertices);
  ZORUnicodeString label("start");
  start_->Set(element.get(), &label);
  SetAngle(rotation->GetValue(kAngle));
}

HRESULT ExampleRotateCommand::CreationJournal(const ZORISpecObject_var& result,
                                              const ZORISpecObject_var&) {
  if (!result) return E_FAIL;
  ZORWenJournaling::Log("CreationRotate " + result->GetDisplayName().str());
  return S_OK;
}

void ExampleRotateCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand("ExampleRotateCommand",
                                                  [] { return new ExampleRotateCommand(); });
}
