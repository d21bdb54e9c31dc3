#include "ExamplePolylineCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiInputError.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENUIModesSelectorList.h"
#include "ZORWENUIPanelError.h"
#include "ZORWenJournaling.h"

namespace {

void ShowInputError(const char* key, const char* catalog, const ZORUnicodeString& parameter) {
  auto* error = new ZORGuiInputError(key, catalog);
  error->SetNLSRequestParams({parameter});
  error->SetNLSDiagnosticParams({parameter});
  ZORWENUIPanelError::ShowAndFlush(error);
}

}  // namespace

ExamplePolylineCommand::ExamplePolylineCommand() : ZORWENUIStateCommand("PolylineCommand", 0, 1) {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORDlgDialog(frame ? frame->GetMainWindow() : nullptr, "PolylinePanel");
  panel_->SetTitle("Lines through Points");
  points_ = new ZORWENUIModesSelectorList(panel_, "Points", 0, ZORGuiContextualMenuData());
}

ExamplePolylineCommand::~ExamplePolylineCommand() {
  panel_->RequestDelayedDestruction();
}

void ExamplePolylineCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("PolylineState");
  agent_ = ZORMake<ZORWENUIFeatureAgent>("_Point", "WENPoint");
  agent_->AddOrderedPointAcquisition();
  AddAgent(state, agent_.get());
  // The condition keeps a point that is up to date as the agent's feature and re-arms the
  // agent; it explains a refusal and disposes of what the refused pick made.
  tests_ = ZORMake<ZORWENUINewSelectionTests>();
  AddTransition(
      state, state,
      Condition(tests_.get(), &ZORWENUINewSelectionTests::VertexSelectionne, agent_.get()),
      Action(&ExamplePolylineCommand::TakePoint, nullptr));
}

bool ExamplePolylineCommand::TakePoint(ZORCallbackData) {
  const ZORISpecObject_var picked = agent_->GetFeature();
  if (!picked) return true;
  // The list says what the pick adds and removes under its mode; the command applies it.
  ZORListValZORISpecObject_var toAdd;
  ZORRawCollint toRemove;
  if (FAILED(points_->Sort(ZORListValZORISpecObject_var{picked}, toAdd, toRemove, 0))) {
    return true;
  }
  // The picks of vertices that leave the list are of no more use.
  ZORListValZORISpecObject_var leaving;
  for (int position : toRemove) leaving.Append(points_->GetFeatures()[position]);
  points_->Remove(toRemove, 1);
  for (const ZORISpecObject_var& gone : leaving) {
    ZORGmoUtilitiesServices::RemoveBRep(ZORBaseUnknown_var(gone));
  }
  points_->Append(toAdd, 1, 1);
  points_->Refresh();
  points_->Highlight();  // the sort emptied the highlighted set: show the selection again
  return true;
}

bool ExamplePolylineCommand::OkAction(ZORCallbackData data) {
  const ZORListValZORISpecObject_var& points = points_->GetFeatures();
  if (points.Size() < 2) {
    ShowInputError("ExamplePolyline_ERR_1", "ExamplePolylineCommand",
                   ZORUnicodeString(std::to_string(points.Size())));
    return false;
  }
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  if (!document) return false;
  // Each line goes after the current feature and becomes current, so that they stand in order.
  ZORISpecObject_var first;
  for (int k = 1; k < points.Size(); ++k) {
    ZORFeature_var line = document->CreateFeature("WENLine");
    if (!line || FAILED(line->SetInput("Start", ZORBaseUnknown_var(points[k]))) ||
        FAILED(line->SetInput("End", ZORBaseUnknown_var(points[k + 1])))) {
      return false;
    }
    const ZORISpecObject_var made = ZORSpecObjectOf(line);
    if (FAILED(InsertInCurrentContext(made, ZORISpecObject_var(), 0))) return false;
    editor->SetCurrentFeature(line.get());
    if (k == 1) {
      first = made;
    } else {
      ZORGmoUtilitiesServices::Update(ZORBaseUnknown_var(made));
    }
  }
  // The first line is the command's result; the base updates and finishes it.
  SetMyFeature(first);
  return ZORWENUIStateCommand::OkAction(data);
}

HRESULT ExamplePolylineCommand::CreationJournal(const ZORISpecObject_var& result,
                                                const ZORISpecObject_var&) {
  ZORFeature* line = ZORFeature::From(result.get());
  if (!line) return E_FAIL;
  ZORWenJournaling::Log("CreationLine " + line->GetDisplayNameText());
  return S_OK;
}

void ExamplePolylineCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand("ExamplePolylineCommand",
                                                  [] { return new ExamplePolylineCommand(); });
}
