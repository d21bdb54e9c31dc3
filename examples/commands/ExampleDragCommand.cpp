#include "ExampleDragCommand.h"

#include <cmath>
#include <memory>

#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DMarkerGP.h"
#include "ZORApplicationFrame.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStack.h"
#include "ZORStFixedArrowGP.h"
#include "ZORString.h"

namespace {

// Client data of the manipulator callbacks.
enum Event : std::intptr_t { kBegin = 1, kStep, kEnd, kContext };

constexpr int kHandleColour = 241, kCurveColour = 247;

ZORISO* EditorISO() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? editor->GetISO() : nullptr;
}

std::string Xyz(const ZORMathPoint& p) {
  return ZORString::Format("%g,%g,%g", p.GetX(), p.GetY(), p.GetZ()).str();
}

}  // namespace

ExampleDragCommand::ExampleDragCommand(ZORFeature* point, int style)
    : ZORWENUIStateCommand("DragCommand", 0, 1) {
  SetMyFeature(ZORISpecObject_var(point));
  SetEditMode(true);

  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORDlgDialog(frame ? frame->GetMainWindow() : nullptr, "DragPanel");
  panel_->SetTitle("Drag");
  drag_ = new ZORDlgLabel(panel_, "Drag");
  viewer_ = new ZORNavigation2DViewer(panel_, "Top", 240, 180);
  viewer_->SetDrillSelectionMode(false);
  viewer_->SetVisibleBox({{-20.0, -20.0}, {20.0, 20.0}});

  mover_ = new ZOR3DManipulator(this, "Mover", nullptr, style);
  mover_->SetTranslationDirection({1.0, 0.0, 0.0});
  mover_->SetTranslationPlane(ZORMathPlane());
  mover_->SetRotationAxis(ZORMathLine(ZORMathPoint(), {0.0, 0.0, 1.0}));
  handle_ = new ZOR2DManipulator(this, "Handle", viewer_);
  for (ZORManipulator* m :
       {static_cast<ZORManipulator*>(mover_), static_cast<ZORManipulator*>(handle_)}) {
    auto method = m == mover_ ? &ExampleDragCommand::On3D : &ExampleDragCommand::On2D;
    AddAnalyseNotificationCB(m, m->GetZORBeginManipulate(), method, ZORIntData(kBegin));
    AddAnalyseNotificationCB(m, m->GetZORManipulate(), method, ZORIntData(kStep));
    AddAnalyseNotificationCB(m, m->GetZORContext(), method, ZORIntData(kContext));
  }
  Refresh();
}

ExampleDragCommand::~ExampleDragCommand() {
  if (endAgent_) endAgent_->Release();
  if (ZORISO* iso = EditorISO(); iso && shown_) iso->RemoveElement(shown_.get());
  RemoveAnalyseNotificationCBs(nullptr);
  mover_->Destroy();
  handle_->Destroy();
  panel_->RequestDelayedDestruction();
}

void ExampleDragCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("DragState");
  endAgent_ = new ZORDialogAgent("_EndDrag");
  endAgent_->AcceptOnNotify(mover_, mover_->GetZOREndManipulate());
  endAgent_->AcceptOnNotify(handle_, handle_->GetZOREndManipulate());
  AddAgent(state, endAgent_);
  AddTransition(state, state, IsOutputSetCondition(endAgent_),
                Action(&ExampleDragCommand::EndDrag, nullptr));
}

bool ExampleDragCommand::EndDrag(ZORCallbackData) {
  if (endAgent_->GetValuatingNotification() == mover_->GetZOREndManipulate()) {
    On3D(mover_, mover_->GetZOREndManipulate(), ZORIntData(kEnd));
  } else {
    On2D(handle_, handle_->GetZOREndManipulate(), ZORIntData(kEnd));
  }
  return true;
}

ZORMathPoint ExampleDragCommand::PointAt() const {
  ZORFeature* point = Point();
  return point ? ZORMathPoint(point->GetValue("X"), point->GetValue("Y"), point->GetValue("Z"))
               : ZORMathPoint();
}

ZORFeature* ExampleDragCommand::Point() const {
  return ZORFeature::From(const_cast<ExampleDragCommand*>(this)->GiveMyFeature().get());
}

void ExampleDragCommand::Tell(const std::string& what) {
  drag_->SetTitle(what.c_str());
}

void ExampleDragCommand::MoveTo(const ZORMathPoint& where) {
  ZORFeature* point = Point();
  if (!point) return;
  // Kept to the model's resolution, so that a quarter turn lands on whole coordinates.
  auto resolved = [](double v) { return std::round(v * 1e6) / 1e6 + 0.0; };
  point->SetValue("X", resolved(where.GetX()));
  point->SetValue("Y", resolved(where.GetY()));
  point->SetValue("Z", resolved(where.GetZ()));
  Refresh();
}

void ExampleDragCommand::On3D(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  switch (ZORDataInt(data)) {
    case kBegin:
      steps_ = 0;
      Tell("began at " + Xyz(mover_->GetPosition().GetOrigin()));
      break;
    case kStep:
      ++steps_;
      MoveTo(mover_->GetPosition().GetOrigin());
      Tell(ZORString::Format("step %d", steps_).str());
      break;
    case kEnd:
      Tell(ZORString::Format("ended after %d steps at ", steps_).str() + Xyz(PointAt()));
      break;
    default:
      Tell("context asked");
      break;
  }
}

void ExampleDragCommand::On2D(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  ZORFeature* point = Point();
  if (!point) return;
  const ZOR2DPoint at = handle_->GetOrigin();
  if (ZORDataInt(data) == kStep) MoveTo({at.x, at.y, point->GetValue("Z")});
  if (ZORDataInt(data) == kEnd) {
    Tell(ZORString::Format("handle left at %g,%g", at.x, at.y).str());
  }
}

void ExampleDragCommand::Refresh() {
  ZORFeature* point = Point();
  if (!point) return;
  const ZORMathPoint p(point->GetValue("X"), point->GetValue("Y"), point->GetValue("Z"));
  mover_->SetPosition(ZORMathAxis(p, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));

  // 3D: two arrows along the constraint, the marker and the point's name, grabbed by the mover.
  auto drawing = ZORMake<ZOR3DCustomRep>();
  const ZORMathPointf at(p);
  const ZORGraphicAttributeSet attributes(kHandleColour);
  drawing->AddGP(std::make_unique<ZORStFixedArrowGP>(at, ZORMathVectorf(1, 0, 0), 30, 5),
                 attributes);
  drawing->AddGP(std::make_unique<ZORStFixedArrowGP>(at, ZORMathVectorf(-1, 0, 0), 30, 5),
                 attributes);
  drawing->AddGP(std::make_unique<ZOR3DMarkerGP>(at, 5), attributes);
  drawing->AddGP(std::make_unique<ZOR3DAnnotationTextGP>(at, point->GetDisplayNameText(), 8),
                 attributes);
  ZORISO* iso = EditorISO();
  if (shown_) {
    mover_->RemoveRepToManipulate(shown_->GetRep());
    if (iso) iso->RemoveElement(shown_.get());
  }
  mover_->AddRepToManipulate(drawing.get());
  shown_ = ZORMake<ZORSt3DISO>(drawing.get());
  if (iso) iso->AddElement(shown_.get());

  // 2D: the axes and the point seen from above, the handle on it.
  for (const ZOR2DBagRep_var& rep : std::vector<ZOR2DBagRep_var>(viewer_->GetReps())) {
    viewer_->RemoveRep(rep.get());
  }
  auto view = ZORMake<ZOR2DBagRep>();
  view->AddPolyline({{-20, 0}, {20, 0}}, kCurveColour);
  view->AddPolyline({{0, -20}, {0, 20}}, kCurveColour);
  view->AddArrow({20, 0}, {1, 0}, 17, kCurveColour);
  view->AddArrow({0, 20}, {0, 1}, 17, kCurveColour);
  view->AddText({p.GetX(), p.GetY()}, point->GetDisplayNameText());
  viewer_->AddRep(view.get());
  auto grip = ZORMake<ZOR2DBagRep>();
  grip->AddMarker({p.GetX(), p.GetY()}, 2, kHandleColour);
  handle_->SetRep(grip.get());
  handle_->SetOrigin({p.GetX(), p.GetY()});
  viewer_->Redraw();
}

void ExampleDragCommand::Register() {
  ZORGuiCommandStack* stack = ZORGuiCommandStack::Instance();
  auto on = [stack](const char* name, int style) {
    stack->RegisterCommand(name, [style]() -> ZORStateCommand* {
      ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
      ZORFeature* current =
          editor ? ZORFeature::From(editor->GetCurrentFeatureObject().get()) : nullptr;
      if (!current || !current->IsSubTypeOf("WENPoint")) return nullptr;
      return new ExampleDragCommand(current, style);
    });
  };
  on("ExampleDragAlongX", ZOR3DManipulator::kLineTranslation);
  on("ExampleDragInPlane", ZOR3DManipulator::kPlaneTranslation);
  on("ExampleDragAround", ZOR3DManipulator::kRotation);
}
