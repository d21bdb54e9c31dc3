#include "ExampleJoinCommand.h"

#include <cmath>

#include "ZORApplicationFrame.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORGuiChecksError.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiExtractUtilities.h"
#include "ZORGuiWOSCartesianPointOnPlaneAgent.h"
#include "ZORProtectedSection.h"
#include "ZORSpecObjectOf.h"
#include "ZORWenJournaling.h"

namespace {

constexpr const char* kCatalog = "ExampleJoinCommand";
// Below these the junction counts as continuous: the host's point tolerance, a micro-degree,
// and a curvature difference no drawing shows.
constexpr double kGapTolerance = 1e-9;
constexpr double kAngleTolerance = 1e-6;  // degrees
constexpr double kCurvatureTolerance = 1e-9;

ZORFeature_var NewAssemble() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  return document ? document->CreateFeature("WENAssemble") : nullptr;
}

// One end of a chain piece, read the way the chain runs.
struct End {
  const ZORCurve* curve;
  bool reversed;
  bool atStart;
  ZORMathPoint Point() const {
    return atStart != reversed ? curve->StartPoint() : curve->EndPoint();
  }
  ZORMathVector Tangent() const {
    const double t = atStart != reversed ? curve->GetStartParam() : curve->GetEndParam();
    return reversed ? -curve->Tangent(t) : curve->Tangent(t);
  }
  double Curvature() const {
    return curve->Curvature(atStart != reversed ? curve->GetStartParam() : curve->GetEndParam());
  }
};

}  // namespace

ExampleJoinCommand::ExampleJoinCommand() : ZORWENUIStateCommand("JoinCommand", 0, 1) {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORDlgDialog(frame ? frame->GetMainWindow() : nullptr, "JoinPanel");
  panel_->SetTitle("Join Definition");
  SetMyFeature(ZORSpecObjectOf(NewAssemble()));
  InsertInCurrentContext(GiveMyFeature(), ZORISpecObject_var(), 0);
}

ExampleJoinCommand::~ExampleJoinCommand() {
  Clean();
  panel_->RequestDelayedDestruction();
}

void ExampleJoinCommand::BuildGraph() {
  ZORDialogState* curves = GetInitialPanelState("CurvesState");
  const ZORBaseUnknown_var self(static_cast<ZORBaseUnknown*>(this));
  curve_ = CreateWENFeatureAgent(ZORString("_Curve"), ZORUnicodeString("Curve"), 0, 0, self);
  curve_->AddOrderedElementType(ZORString("ZORIMfMonoDimResult"));
  AddAgent(curves, curve_.get());
  AddTransition(curves, curves, IsOutputSetCondition(curve_.get()),
                Action(&ExampleJoinCommand::TakeCurve, nullptr));
}

bool ExampleJoinCommand::TakeCurve(ZORCallbackData) {
  ZORFeature* join = ZORFeature::From(GiveMyFeature().get());
  ZORBaseUnknown* picked = curve_->AgentError() ? nullptr : curve_->GetElementValue();
  curve_->RemoveFromHSO();
  if (!join || !picked || static_cast<int>(wires_.size()) >= kMostCurves) return true;
  ZORISpecObject_var feature(picked);
  ZORBaseUnknown_var context(picked);
  ZORBody_var body;
  // A curve that cannot give its geometry is refused; the panel says why.
  if (FAILED(ZORGuiExtractUtilities::GetFirstBodyForExtract(feature, context, body))) return true;
  ZORWire_var wire = ZORWire::FromBody(*body);
  if (!wire) return true;
  const std::string role = "Element" + std::to_string(wires_.size() + 1);
  if (FAILED(join->SetInput(role, ZORBaseUnknown_var(picked)))) return true;
  wires_.push_back(wire);
  if (wires_.size() >= 2) Diagnose();
  return true;
}

void ExampleJoinCommand::Measure(const ZORCurve& before, bool beforeReversed, const ZORCurve& after,
                                 bool afterReversed, int& type, double& value, bool joined) {
  const End end{&before, beforeReversed, false};
  const End start{&after, afterReversed, true};
  value = end.Point().DistanceTo(start.Point());
  if (!joined && value > kGapTolerance) {
    type = ZORGuiDiscontinuityLocation::kPointDiscontinuity;
    return;
  }
  value = end.Tangent().AngleTo(start.Tangent());
  if (value > kAngleTolerance) {
    type = ZORGuiDiscontinuityLocation::kPointContinuity;
    return;
  }
  value = std::abs(end.Curvature() - start.Curvature());
  type = value > kCurvatureTolerance ? ZORGuiDiscontinuityLocation::kTangencyContinuity
                                     : ZORGuiDiscontinuityLocation::kCurvatureContinuity;
  if (type == ZORGuiDiscontinuityLocation::kCurvatureContinuity) value = 0;
}

void ExampleJoinCommand::Diagnose() {
  Clean();
  ZORISpecObject_var join = GiveMyFeature();
  if (!join) return;
  HRESULT updated = E_FAIL;
  const bool raised = ZORHandleCaught(ZORProtect([&] { updated = join->Update(); }));
  const bool built = !raised && SUCCEEDED(updated);
  double merging = 0;
  ZORGuiExtractUtilities::GetMergingDistance(merging);
  ZORFeature* feature = ZORFeature::From(join.get());
  ZORBody_var result = built && feature ? feature->GetResultBody() : nullptr;
  ZORWire_var output = result ? ZORWire::FromBody(*result) : nullptr;

  auto* open = new ZORGuiChecksError("ExampleJoin_GAPS", kCatalog);
  // The chain so far: its last piece, and how many pieces of the output it covers.
  ZORCurve_var lastCurve = wires_.front()->GetPieces().back().curve;
  bool lastReversed = wires_.front()->GetPieces().back().reversed;
  ZORMathPoint lastEnd = wires_.front()->EndOf(wires_.front()->GetPieces().size() - 1);
  std::size_t covered = wires_.front()->GetPieces().size();
  for (std::size_t k = 1; k < wires_.size(); ++k) {
    const ZORWire& next = *wires_[k];
    const std::size_t count = next.GetPieces().size();
    // As the assembly does: the next curve runs from its end nearest the chain.
    const bool backwards =
        lastEnd.DistanceTo(next.EndOf(count - 1)) < lastEnd.DistanceTo(next.StartOf(0));
    const ZORWire::Piece& first = backwards ? next.GetPieces().back() : next.GetPieces().front();
    const bool firstReversed = first.reversed != backwards;
    int inputType = 0, outputType = 0;
    double inputValue = 0, outputValue = 0;
    Measure(*lastCurve, lastReversed, *first.curve, firstReversed, inputType, inputValue);
    const ZORMathPoint nextStart = backwards ? next.EndOf(count - 1) : next.StartOf(0);
    const ZORMathPoint at = ZORMathPoint(0.5 * (lastEnd.GetX() + nextStart.GetX()),
                                         0.5 * (lastEnd.GetY() + nextStart.GetY()),
                                         0.5 * (lastEnd.GetZ() + nextStart.GetZ()));
    if (output && covered < output->GetPieces().size()) {
      // The output's pieces share the junction's vertex: a gap it closed is no gap there.
      const ZORWire::Piece& a = output->GetPieces()[covered - 1];
      const ZORWire::Piece& b = output->GetPieces()[covered];
      Measure(*a.curve, a.reversed, *b.curve, b.reversed, outputType, outputValue, true);
    } else {
      outputType = inputType;
      outputValue = inputValue;
    }
    auto* location = new ZORGuiDiscontinuityLocation(this, at, 1);
    location->SetInputData(inputType, inputValue);
    location->SetOutputData(outputType, outputValue);
    locations_.push_back(location);
    if (inputType == ZORGuiDiscontinuityLocation::kPointDiscontinuity && inputValue > merging) {
      // The list holds its own reference: the creation reference is adopted.
      auto gap = ZORVar<ZORGuiCheckError>::Adopt(new ZORGuiCheckError("ExampleJoin_GAP", kCatalog));
      gap->SetBody(ZORBody::MakeSegment(lastEnd, nextStart).get());
      open->GetErrorList().Append(gap);
    }
    // Run backwards, the curve's first piece ends the chain, turned.
    const ZORWire::Piece& end = backwards ? next.GetPieces().front() : next.GetPieces().back();
    lastCurve = end.curve;
    lastReversed = end.reversed != backwards;
    lastEnd = backwards ? next.StartOf(0) : next.EndOf(count - 1);
    covered += count;
  }
  if (open->GetErrorList().Size() > 0) {
    gaps_ = std::make_unique<ZORGuiCheckErrorViewer>();
    gaps_->Initialize();
    gaps_->Append(open);
    gaps_->Update();
  }
  open->Release();
}

void ExampleJoinCommand::Clean() {
  for (ZORGuiDiscontinuityLocation* location : locations_) location->RequestDelayedDestruction();
  locations_.clear();
  gaps_.reset();
}

bool ExampleJoinCommand::OkAction(ZORCallbackData data) {
  Clean();
  return ZORWENUIStateCommand::OkAction(data);
}

bool ExampleJoinCommand::CancelAction(ZORCallbackData data) {
  Clean();
  return ZORWENUIStateCommand::CancelAction(data);
}

HRESULT ExampleJoinCommand::CreationJournal(const ZORISpecObject_var& result,
                                            const ZORISpecObject_var&) {
  ZORFeature* feature = ZORFeature::From(result.get());
  if (!feature) return E_FAIL;
  ZORWenJournaling::Log("CreationJoin " + feature->GetDisplayNameText());
  return S_OK;
}

void ExampleJoinCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand("ExampleJoinCommand",
                                                  [] { return new ExampleJoinCommand(); });
}
