#include "MidpointCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGuiCommandStack.h"
#include "ZORWenJournaling.h"

namespace {

ZORFeature_var NewPoint() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  return document ? document->CreatePoint(0, 0, 0) : ZORFeature_var();
}

const bool registered = [] {
  ZORGuiCommandStack::Instance()->RegisterCommand("MidpointCommand",
                                                  [] { return new MidpointCommand(); });
  return true;
}();

}  // namespace

MidpointCommand::MidpointCommand() : ZORWENUIStateCommand("MidpointCommand", 0, 1) {
  ZORFeature_var point = NewPoint();
  SetMyFeature(ZORISpecObject_var(point.get()));
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORDlgDialog(frame ? frame->GetMainWindow() : nullptr, "MidpointPanel");
  panel_->SetTitle("Midpoint Definition");
}

MidpointCommand::~MidpointCommand() {
  panel_->RequestDelayedDestruction();
}

void MidpointCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("MidpointState");
  agent_ = ZORMake<ZORWENUIFeatureAgent>(ZORString("_End"));
  tests_ = ZORMake<ZORWENUINewSelectionTests>();
  AddAgent(state, agent_.get());
  AddTransition(
      state, state,
      Condition(tests_.get(), &ZORWENUINewSelectionTests::VertexSelectionne, agent_.get()),
      Action(&MidpointCommand::TakeEnd, nullptr));
}

HRESULT MidpointCommand::CreationJournal(const ZORISpecObject_var& result,
                                         const ZORISpecObject_var&) {
  if (!result || ends_.size() != 2) return E_FAIL;
  ZORWenJournaling::Log("CreationMidpoint " + result->GetDisplayName().str() + " " +
                        ends_[0]->GetDisplayName().str() + " " + ends_[1]->GetDisplayName().str());
  return S_OK;
}

bool MidpointCommand::TakeEnd(ZORCallbackData) {
  // A third pick starts a new pair.
  if (ends_.size() == 2) ends_.clear();
  ends_.push_back(agent_->GetFeature());
  ZORFeature* point = ZORFeature::From(GiveMyFeature().get());
  if (ends_.size() < 2 || !point) return true;
  // Each end is a point feature or a picked vertex: its result is one point.
  ZORMathPoint at[2];
  for (int i = 0; i < 2; ++i) {
    const ZORBody_var body = ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(ends_[i].get()));
    if (!body || body->GetVertices().empty()) return true;
    at[i] = body->GetVertices().front();
  }
  point->SetValue("X", (at[0].GetX() + at[1].GetX()) / 2);
  point->SetValue("Y", (at[0].GetY() + at[1].GetY()) / 2);
  point->SetValue("Z", (at[0].GetZ() + at[1].GetZ()) / 2);
  return true;
}
