#include "ExamplePointCommand.h"

#include <string>

#include "ZORApplicationFrame.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiInputError.h"
#include "ZORMathGlobals.h"
#include "ZORWENUIPanelError.h"
#include "ZORWenJournaling.h"

namespace {

// A point closer than this to the origin is refused by Check.
constexpr double kMinimumDistance = 1e-6;

ZORFeature_var NewPoint() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  return document ? document->CreatePoint(0, 0, 0) : ZORFeature_var();
}

ZORDialogAgent* ButtonAgent(const char* name, ZORDlgPushButton* button) {
  auto* agent = new ZORDialogAgent(name);
  agent->AcceptOnNotify(button, button->GetPushBActivateNotification());
  return agent;
}

}  // namespace

ExamplePointCommand::ExamplePointCommand(ZORFeature* point)
    : ZORWENUIStateCommand("PointCommand", 0, 1) {
  ZORFeature_var feature = point ? ZORFeature_var(point) : NewPoint();
  SetMyFeature(ZORISpecObject_var(feature.get()));
  SetEditMode(point != nullptr);

  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORDlgDialog(frame ? frame->GetMainWindow() : nullptr, "PointPanel");
  panel_->SetTitle(point ? "Point Edition" : "Point Definition");
  move_ = new ZORDlgPushButton(panel_, "MoveX");
  check_ = new ZORDlgPushButton(panel_, "Check");
  giveUp_ = new ZORDlgPushButton(panel_, "GiveUp");

  handle_ = new ZORWENUIPlaneTranslator(this);
  handle_->SetModeVisu(ZORWENUIPlaneTranslator::kPlane);
  handle_->SetTranslationPlane(ZORMathPlane(PointAt(), ZORMathI, ZORMathJ));
  handle_->AssociateText(feature ? feature->GetDisplayNameText().c_str() : "");
  handle_->SetInitialPoint(PointAt());
  AddAnalyseNotificationCB(handle_, handle_->GetModifyNotification(), &ExamplePointCommand::Dragged,
                           nullptr);
}

ExamplePointCommand::~ExamplePointCommand() {
  handle_->RequestDelayedDestruction();
  for (ZORDialogAgent* agent : {moveAgent_, checkAgent_, giveUpAgent_}) {
    if (agent) agent->Release();
  }
  panel_->RequestDelayedDestruction();
}

void ExamplePointCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("PointState");
  moveAgent_ = ButtonAgent("_Move", move_);
  checkAgent_ = ButtonAgent("_Check", check_);
  giveUpAgent_ = ButtonAgent("_GiveUp", giveUp_);
  AddAgent(state, moveAgent_);
  AddAgent(state, checkAgent_);
  AddAgent(state, giveUpAgent_);
  AddTransition(state, state, IsOutputSetCondition(moveAgent_),
                Action(&ExamplePointCommand::Move, nullptr));
  AddTransition(state, state, IsOutputSetCondition(checkAgent_),
                Action(&ExamplePointCommand::Check, nullptr));
  AddTransition(state, state, IsOutputSetCondition(giveUpAgent_),
                Action(&ExamplePointCommand::GiveUp, nullptr));
}

HRESULT ExamplePointCommand::CreationJournal(const ZORISpecObject_var& result,
                                             const ZORISpecObject_var&) {
  ZORFeature* point = ZORFeature::From(result.get());
  if (!point) return E_FAIL;
  ZORWenJournaling::Log(
      "CreationPoint " + point->GetDisplayNameText() + " " + std::to_string(point->GetValue("X")) +
      " " + std::to_string(point->GetValue("Y")) + " " + std::to_string(point->GetValue("Z")));
  return S_OK;
}

ZORFeature* ExamplePointCommand::Point() const {
  return ZORFeature::From(const_cast<ExamplePointCommand*>(this)->GiveMyFeature().get());
}

ZORMathPoint ExamplePointCommand::PointAt() const {
  ZORFeature* point = Point();
  return point ? ZORMathPoint(point->GetValue("X"), point->GetValue("Y"), point->GetValue("Z"))
               : ZORMathPoint();
}

bool ExamplePointCommand::Move(ZORCallbackData) {
  ZORFeature* point = Point();
  if (point) point->SetValue("X", point->GetValue("X") + 10.0);
  handle_->SetLocationPoint(PointAt());
  return true;
}

void ExamplePointCommand::Dragged(ZORCommand*, ZORNotification*, ZORCallbackData) {
  handle_->SetPosition(handle_->GetPosition());
  ZORFeature* point = Point();
  if (!point) return;
  const ZORMathPoint at = handle_->GetCurrentPoint();
  point->SetValue("X", at.GetX());
  point->SetValue("Y", at.GetY());
  point->SetValue("Z", at.GetZ());
}

bool ExamplePointCommand::Check(ZORCallbackData) {
  ZORFeature* point = Point();
  if (!point) return true;
  const double x = point->GetValue("X"), y = point->GetValue("Y"), z = point->GetValue("Z");
  if (x * x + y * y + z * z >= kMinimumDistance * kMinimumDistance) return true;
  // A user error: shown in the library's error panel, then the error is flushed.
  auto* error = new ZORGuiInputError("ExamplePoint_ERR_1", "ExamplePointCommand");
  error->SetNLSParameters({GiveMyFeature()->GetDisplayName()});
  ZORWENUIPanelError::ShowAndFlush(error);
  return true;
}

bool ExamplePointCommand::GiveUp(ZORCallbackData) {
  ZORListValZORUnicodeString params{GiveMyFeature()->GetDisplayName()};
  ZORWENUIRequestCancel("GiveUp", &params);
  return true;
}

void ExamplePointCommand::Register() {
  ZORGuiCommandStack* stack = ZORGuiCommandStack::Instance();
  stack->RegisterCommand("ExamplePointCommand", [] { return new ExamplePointCommand(); });
  // Edition works on the current feature when it is a point.
  stack->RegisterCommand("ExamplePointEdition", []() -> ZORStateCommand* {
    ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
    ZORFeature* current =
        editor ? ZORFeature::From(editor->GetCurrentFeatureObject().get()) : nullptr;
    if (!current || !current->IsSubTypeOf("WENPoint")) return nullptr;
    return new ExamplePointCommand(current);
  });
}
