#include "ExamplePositionCommand.h"

#include <cmath>
#include <string>

#include "ZORApplicationFrame.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiPPFNotifExit.h"
#include "ZORGuiPPFNotifSelectPos.h"
#include "ZORGuiPlanarPosFrame.h"
#include "ZORSpecObjectOf.h"
#include "ZORString.h"
#include "ZORWenJournaling.h"

namespace {

ZORDialog* MainWindow() {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  return frame ? frame->GetMainWindow() : nullptr;
}

// Coordinates written without the noise of the transformation's arithmetic.
double Clean(double value) {
  const double rounded = std::round(value * 1e6) / 1e6;
  return rounded == 0.0 ? 0.0 : rounded;
}

std::string NameOf(const ZORBaseUnknown_var& element) {
  const ZORFeature* feature = element ? ZORFeature::From(element.get()) : nullptr;
  return feature ? feature->GetDisplayNameText() : "none";
}

}  // namespace

ExamplePositionCommand::ExamplePositionCommand(ZORWENPPFMode mode, bool withPositioner,
                                               ZORWENPPFVisu visu)
    : ZORWENUIStateCommand("PositionCommand", 0, 1),
      panel_(new ZORDlgDialog(MainWindow(), "PositionPanel")),
      status_(nullptr),
      frame_(new ZORGuiPlanarPosFrame(this, mode)),
      withPositioner_(withPositioner) {
  panel_->SetTitle("Position");
  panel_->SetFather(this);
  auto* part = new ZORDlgFrame(panel_, "PositionFrame");
  ZORDlgFrame* built = nullptr;
  frame_->BuildLayout(part, built, visu);
  status_ = new ZORDlgLabel(panel_, "Status");
  for (const char* name : {ZORGuiPPFNotifExit::ClassName(), ZORGuiPPFNotifSelectPos::ClassName()}) {
    AddAnalyseNotificationCB(frame_, name, &ExamplePositionCommand::FrameNotified, nullptr);
  }
  frame_->EnablePositioning();
}

ExamplePositionCommand::~ExamplePositionCommand() {
  RemoveAnalyseNotificationCBs(nullptr);
  frame_->RequestDelayedDestruction();
  panel_->RequestDelayedDestruction();
}

void ExamplePositionCommand::BuildGraph() {
  ZORDialogState* profile = GetInitialPanelState("ProfileState");
  ZORDialogState* positioned = AddPanelState("PositionedState");
  frame_->InitializeDialog(positioned);
  // Once placed, a click on an input of the panel still takes the user back to it.
  frame_->PlugPlanarPosIndication(positioned);
  profileAgent_ = ZORMake<ZORWENUIFeatureAgent>("_Profile", "WENPolyline");
  AddAgent(profile, profileAgent_.get());
  AddTransition(profile, frame_->GetFirstState(), IsOutputSetCondition(profileAgent_.get()),
                Action(&ExamplePositionCommand::TakeProfile, nullptr));
}

bool ExamplePositionCommand::TakeProfile(ZORCallbackData) {
  ZORFeature* picked =
      profileAgent_->AgentError() ? nullptr : ZORFeature::From(profileAgent_->GetElementValue());
  profileAgent_->RemoveFromHSO();
  profileAgent_->InitializeAcquisition();
  ZORIWENPositionTransfo_var transfo;
  if (!picked || FAILED(frame_->GetPositionTransfo(transfo))) return false;
  transfo->SetProfile(ZORSpecObjectOf(picked));
  Tell("profile " + picked->GetDisplayNameText());
  return true;
}

void ExamplePositionCommand::PositioningStateAdded(ZORDialogState*) {
  ++announced_;
}

void ExamplePositionCommand::PositioningElementSet(int index, int kind,
                                                   const ZORISpecObject_var& element) {
  Tell(std::string(kind == 0 ? "origin " : "direction ") + std::to_string(index + 1) + ": " +
       NameOf(ZORBaseUnknown_var(element)));
}

void ExamplePositionCommand::PositioningChanged(const ZORIWENPositionTransfo_var& transfo) {
  ++changes_;
  if (ZORFeature* feature = ZORFeature::From(static_cast<ZORBaseUnknown*>(transfo.get()))) {
    feature->Update();
  }
}

ZORIWENDefaultPositioner_var ExamplePositionCommand::GetDefaultPositioner() {
  ZORIWENPositionTransfo_var transfo;
  if (!withPositioner_ || FAILED(frame_->GetPositionTransfo(transfo))) return nullptr;
  return ZORIWENDefaultPositioner_var(transfo);
}

void ExamplePositionCommand::FrameNotified(ZORCommand*, ZORNotification* notification,
                                           ZORCallbackData) {
  if (notification->IsAKindOf(ZORGuiPPFNotifExit::ClassName())) {
    heard_.emplace_back("exit");
    Tell("parameters hidden");
    return;
  }
  heard_.emplace_back("select");
  Tell(frame_->IsPositioningSelected(nullptr) ? "positioning on" : "positioning off");
}

bool ExamplePositionCommand::OkAction(ZORCallbackData data) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  ZORIWENDefaultPositioner_var positioner = GetDefaultPositioner();
  std::vector<ZORMathPoint> points;
  if (!document || !positioner || FAILED(positioner->GetPositionedPoints(points)) ||
      points.size() < 2) {
    Tell("nothing to position");
    return false;
  }
  ZORFeature_var line = document->CreateFeature("WENPolyline");
  if (!line) return false;
  for (std::size_t k = 0; k < points.size(); ++k) {
    const ZORMathPoint& at = points[k];
    ZORFeature_var point =
        document->CreatePoint(Clean(at.GetX()), Clean(at.GetY()), Clean(at.GetZ()));
    if (!point || FAILED(InsertInCurrentContext(ZORSpecObjectOf(point.get()), nullptr, 0))) {
      return false;
    }
    editor->SetCurrentFeature(point.get());
    line->SetInput("Point" + std::to_string(k + 1), ZORBaseUnknown_var(point.get()));
  }
  const ZORISpecObject_var made = ZORSpecObjectOf(line.get());
  if (FAILED(InsertInCurrentContext(made, nullptr, 0))) return false;
  editor->SetCurrentFeature(line.get());
  SetMyFeature(made);
  return ZORWENUIStateCommand::OkAction(data);
}

HRESULT ExamplePositionCommand::CreationJournal(const ZORISpecObject_var& result,
                                                const ZORISpecObject_var&) {
  ZORFeature* line = ZORFeature::From(result.get());
  if (!line) return E_FAIL;
  ZORWenJournaling::Log("CreationPosition " + line->GetDisplayNameText());
  return S_OK;
}

void ExamplePositionCommand::Tell(const std::string& what) {
  if (status_) status_->SetTitle(what.c_str());
}

void ExamplePositionCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand("ExamplePositionCommand",
                                                  [] { return new ExamplePositionCommand(); });
}
