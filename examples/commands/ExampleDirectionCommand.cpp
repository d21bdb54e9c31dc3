#include "ExampleDirectionCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORDlgPushButton.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiValueEditor.h"
#include "ZORIWENFrameDirection.h"
#include "ZORString.h"
#include "ZORWENEditValueChangedNotification.h"
#include "ZORWENUIDirCoordPanelOKNotification.h"
#include "ZORWENUIDirElemNotification.h"
#include "ZORWENUIDirRemoveNotification.h"
#include "ZORWENUIFrameDirection.h"

namespace {

ZORDialog* MainWindow() {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  return frame ? frame->GetMainWindow() : nullptr;
}

}  // namespace

ExampleDirectionCommand::ExampleDirectionCommand(ZORFeature* translation)
    : ZORWENUIStateCommand("DirectionCommand", 0, 1),
      panel_(new ZORDlgDialog(MainWindow(), "DirectionPanel")),
      status_(nullptr),
      editor_(new ZORGuiValueEditor(MainWindow(), "DistanceEditor")) {
  SetMyFeature(ZORISpecObject_var(translation));
  SetEditMode(true);
  panel_->SetTitle("Direction");
  new ZORDlgPushButton(panel_, "Distance");
  panel_->SetFather(this);
  BuildDirectionFrame();
  status_ = new ZORDlgLabel(panel_, "Status");
  editor_->SetFather(this);
  editor_->SetValue(static_cast<float>(translation->GetValue("Distance")));
  AddAnalyseNotificationCB(editor_, editor_->GetValueChangedNotification(),
                           &ExampleDirectionCommand::DistanceChanged, nullptr);
}

ExampleDirectionCommand::~ExampleDirectionCommand() {
  RemoveAnalyseNotificationCBs(nullptr);
  editor_->RequestDelayedDestruction();
  panel_->RequestDelayedDestruction();
}

void ExampleDirectionCommand::BuildDirectionFrame() {
  direction_ = ZORIWENDirection_var(ZORBaseUnknown_var(Translation()->GetInput("Direction")));
  ZORIWENFrameDirection_var frames(direction_);
  if (!frames) return;
  frame_ = frames->CreateFrameDirection(panel_, panel_, ZORGuiContextualMenuData(false, true),
                                        0x80000, ZORWENUISelector::kNoSelectionStyle, true);
  if (!frame_) return;
  for (ZORNotification* notification :
       {static_cast<ZORNotification*>(frame_->GetDirElemNotification()),
        static_cast<ZORNotification*>(frame_->GetDirCoordPanelOKNotification()),
        static_cast<ZORNotification*>(frame_->GetDirRemoveNotification())}) {
    AddAnalyseNotificationCB(frame_, notification, &ExampleDirectionCommand::DirectionChanged,
                             nullptr);
  }
}

void ExampleDirectionCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("DirectionState");
  auto* distance = dynamic_cast<ZORDlgPushButton*>(panel_->FindChild("Distance"));
  distanceAgent_ = ZORMake<ZORDialogAgent>("_Distance");
  distanceAgent_->AcceptOnNotify(distance, distance->GetPushBActivateNotification());
  AddAgent(state, distanceAgent_.get());
  AddTransition(state, state, IsOutputSetCondition(distanceAgent_.get()),
                Action(&ExampleDirectionCommand::OpenEditor, nullptr));
  if (!frame_) return;
  // Lines, or straight edges of any result, become the direction's element.
  directionAgent_ = ZORMake<ZORWENUIFeatureAgent>("_Direction", "WENLine");
  directionAgent_->AddOrderedElementType("ZORLine");
  AddAgent(state, directionAgent_.get());
  AddTransition(state, state, IsOutputSetCondition(directionAgent_.get()),
                Action(&ExampleDirectionCommand::TakeDirection, nullptr));
}

bool ExampleDirectionCommand::TakeDirection(ZORCallbackData) {
  ZORFeature* picked = directionAgent_->AgentError()
                           ? nullptr
                           : ZORFeature::From(directionAgent_->GetElementValue());
  directionAgent_->RemoveFromHSO();
  directionAgent_->InitializeAcquisition();
  if (!picked || !direction_) return true;
  if (FAILED(direction_->SetElement(ZORISpecObject_var(ZORBaseUnknown_var(picked))))) {
    Tell("refused " + picked->GetDisplayNameText());
    return true;
  }
  // The frame shows it, which tells this command as a user's selection does.
  ZORIWENFrameDirection_var(direction_)->SetFeature(ZORISpecObject_var(ZORBaseUnknown_var(picked)));
  return true;
}

void ExampleDirectionCommand::DirectionChanged(ZORCommand*, ZORNotification* notification,
                                               ZORCallbackData) {
  ZORFeature* translation = Translation();
  if (!translation) return;
  translation->Update();
  ZORUnicodeString name;
  frame_->GetName(name);
  const char* what = notification == frame_->GetDirRemoveNotification() ? "removed"
                     : notification == frame_->GetDirElemNotification() ? "element"
                                                                        : "components";
  Tell(std::string("direction ") + what + ": " + name.str());
}

bool ExampleDirectionCommand::OpenEditor(ZORCallbackData) {
  distanceAgent_->InitializeAcquisition();
  if (ZORFeature* translation = Translation()) {
    editor_->SetValue(static_cast<float>(translation->GetValue("Distance")));
  }
  editor_->SetVisibility(ZORDialog::kShown);
  return true;
}

void ExampleDirectionCommand::DistanceChanged(ZORCommand*, ZORNotification*, ZORCallbackData) {
  ZORFeature* translation = Translation();
  if (!translation) return;
  translation->SetValue("Distance", editor_->GetValue());
  translation->Update();
  Tell(ZORString::Format("distance %.4f", static_cast<double>(editor_->GetValue())).str());
}

ZORFeature* ExampleDirectionCommand::Translation() const {
  return ZORFeature::From(const_cast<ExampleDirectionCommand*>(this)->GiveMyFeature().get());
}

void ExampleDirectionCommand::Tell(const std::string& what) {
  status_->SetTitle(what.c_str());
}

void ExampleDirectionCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand(
      "ExampleDirectionCommand", []() -> ZORStateCommand* {
        ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
        ZORFeature* current =
            editor ? ZORFeature::From(editor->GetCurrentFeatureObject().get()) : nullptr;
        if (!current || !current->IsSubTypeOf("WENTranslate")) return nullptr;
        return new ExampleDirectionCommand(current);
      });
}
