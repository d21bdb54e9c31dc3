#include "ExamplePointEditorCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORDlgTabContainer.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStack.h"
#include "ZORString.h"
#include "ZORWENUIEditor3DPoint.h"

namespace {

constexpr const char* kPageNames[] = {"cartesian", "cylindrical", "spherical"};

}  // namespace

ExamplePointEditorCommand::ExamplePointEditorCommand(ZORFeature* point)
    : ZORWENUIStateCommand("PointEditorCommand", 0, 1) {
  SetMyFeature(ZORISpecObject_var(point));
  SetEditMode(true);
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORDlgDialog(frame ? frame->GetMainWindow() : nullptr, "PointEditorPanel");
  panel_->SetTitle("Point");
  panel_->SetFather(this);
  editor_ = new ZORWENUIEditor3DPoint(
      panel_, "Point", 0, {point->GetValue("X"), point->GetValue("Y"), point->GetValue("Z")});
  editor_->Build(false);
  status_ = new ZORDlgLabel(panel_, "Status");
  // An editor's change comes up from the editor of the value, through its page.
  AddAnalyseNotificationCB(nullptr, "ZORDlgModifyNotification",
                           &ExamplePointEditorCommand::MovePoint, nullptr);
  if (auto* tabs = dynamic_cast<ZORDlgTabContainer*>(editor_->FindChild("3DPointTab"))) {
    AddAnalyseNotificationCB(editor_, tabs->GetTabSelectNotification(),
                             &ExamplePointEditorCommand::TellPage, nullptr);
  }
}

ExamplePointEditorCommand::~ExamplePointEditorCommand() {
  RemoveAnalyseNotificationCBs(nullptr);
  panel_->RequestDelayedDestruction();
}

void ExamplePointEditorCommand::BuildGraph() {
  GetInitialPanelState("PointEditorState");
}

ZORFeature* ExamplePointEditorCommand::Point() const {
  return ZORFeature::From(const_cast<ExamplePointEditorCommand*>(this)->GiveMyFeature().get());
}

void ExamplePointEditorCommand::MovePoint(ZORCommand*, ZORNotification*, ZORCallbackData) {
  ZORFeature* point = Point();
  if (!point) return;
  const ZORMathPoint p = editor_->GetMath();
  point->SetValue("X", p.GetX());
  point->SetValue("Y", p.GetY());
  point->SetValue("Z", p.GetZ());
  point->Update();
  status_->SetTitle(
      ZORString::Format("point %g,%g,%g", p.GetX(), p.GetY(), p.GetZ()).str().c_str());
}

void ExamplePointEditorCommand::TellPage(ZORCommand*, ZORNotification*, ZORCallbackData) {
  status_->SetTitle((std::string("page ") + kPageNames[editor_->GetCurrentPage()]).c_str());
}

void ExamplePointEditorCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand(
      "ExamplePointEditorCommand", []() -> ZORStateCommand* {
        ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
        ZORFeature* current =
            editor ? ZORFeature::From(editor->GetCurrentFeatureObject().get()) : nullptr;
        if (!current || !current->IsSubTypeOf("WENPoint")) return nullptr;
        return new ExamplePointEditorCommand(current);
      });
}
