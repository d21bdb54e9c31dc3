#include "ZORSurfacicUIStateCommand.h"

#include "LifeCycleObject.h"
#include "ZORApplicationFrame.h"
#include "ZORFeature.h"
#include "ZORFrmNotify.h"
#include "ZORGmoDatumServices.h"
#include "ZORIDescendants.h"
#include "ZORIRedrawEvent.h"
#include "ZORIUpdateError.h"
#include "ZORIVisProperties.h"
#include "ZORMfErrUpdate.h"
#include "ZORSpecObjectOf.h"

namespace {

constexpr const char* kShapeBody = "ShapeBody";

// Whether `feature` or one of its fathers is of `typeName`.
bool LiesIn(ZORISpecObject_var feature, const char* typeName) {
  for (; feature; feature = feature->GetFather()) {
    if (feature->IsSubTypeOf(typeName)) return true;
  }
  return false;
}

bool IsTool(const ZORISpecObject_var& feature) {
  ZORFeature* f = ZORFeature::From(feature.get());
  return f && f->GetFatherFeature() && !f->GetFatherFeature()->GetFatherFeature();
}

// One "Name: text" line for each warning of `feature` and of the features under it, in tree order.
void AppendWarnings(const ZORFeature& feature, std::string& text) {
  for (const std::string& warning : feature.GetWarnings()) {
    text += feature.GetDisplayNameText() + ": " + warning + "\n";
  }
  for (const auto& child : feature.GetChildren()) AppendWarnings(*child, text);
}

HRESULT SetShow(const ZORISpecObject_var& feature, ZORShowAttribut show) {
  ZORVar<ZORIVisProperties> properties(feature);
  if (!properties) return E_FAIL;
  ZORVisPropertiesValues values;
  values.SetShow(show);
  return properties->SetPropertiesAtt(values, ZORVPShow);
}

}  // namespace

ZORSurfacicUIStateCommand::ZORSurfacicUIStateCommand(const ZORString& id, ZORCommandMode mode)
    : ZORWENUIStackStateCommand(id, mode) {}

ZORSurfacicUIStateCommand::ZORSurfacicUIStateCommand(ZORWENUIStateCmdInfo* info,
                                                     const ZORString& id, ZORCommandMode mode,
                                                     const ZORPathElement* activePath,
                                                     const ZORPathElement* workingPath, int)
    : ZORWENUIStackStateCommand(id, mode), info_(info) {
  if (activePath) activePath_ = *activePath;
  if (workingPath) workingPath_ = *workingPath;
}

ZORISpecObject_var ZORSurfacicUIStateCommand::GiveMyFeature() {
  return myFeature_;
}

void ZORSurfacicUIStateCommand::GiveMyFeatures(ZORListValZORISpecObject_var& features) {
  if (ZORISpecObject_var feature = GiveMyFeature()) features.Append(feature);
}

int ZORSurfacicUIStateCommand::IsShapeFeatureModeOn() const {
  return LiesIn(GetCurrentFeature(), kShapeBody) ? 1 : 0;
}

int ZORSurfacicUIStateCommand::IsFeatureInShapeBody(const ZORISpecObject_var& feature) const {
  return LiesIn(feature, kShapeBody) ? 1 : 0;
}

HRESULT ZORSurfacicUIStateCommand::ZORWENUIShow(const ZORISpecObject_var& feature) {
  return SetShow(feature, ZORShowAttr);
}

HRESULT ZORSurfacicUIStateCommand::ZORWENUINoShow(const ZORISpecObject_var& feature, int) {
  return SetShow(feature, ZORNoShowAttr);
}

int ZORSurfacicUIStateCommand::ZORWENUIIsInNoShow(const ZORISpecObject_var& feature) {
  ZORVar<ZORIVisProperties> properties(feature);
  ZORVisPropertiesValues values;
  if (!properties || FAILED(properties->GetPropertiesAtt(values, ZORVPShow))) return 0;
  return values.GetShow() == ZORNoShowAttr ? 1 : 0;
}

HRESULT ZORSurfacicUIStateCommand::ValidateResult(ZORISpecObject_var feature, int) {
  return feature ? S_OK : E_FAIL;
}

HRESULT ZORSurfacicUIStateCommand::InsertInCurrentContext(const ZORISpecObject_var& feature,
                                                          const ZORISpecObject_var&, int) {
  if (!feature) return E_FAIL;
  ZORISpecObject_var current = GetCurrentFeature();
  ZORVar<ZORIDescendants> tool;
  int position = 0;  // appended
  if (current && IsTool(current)) {
    tool = current;
  } else if (current) {
    tool = current->GetFather();
    if (tool) position = tool->GetPosition(current) + 1;
  }
  if (!tool) return E_FAIL;
  const HRESULT hr = tool->AddChild(feature, position);
  if (FAILED(hr)) return hr;
  SetCurrentFeature(feature);
  return S_OK;
}

HRESULT ZORSurfacicUIStateCommand::ConvertToDatum(const ZORISpecObject_var& feature) {
  ZORFeature* f = ZORFeature::From(feature.get());
  if (!f || !f->GetDocument()) return E_FAIL;
  if (ZORGmoDatumServices::IsDatum(*f)) return 0;
  ZORFeature* father = f->GetFatherFeature();
  if (!father) return SUCCEEDED(ZORGmoDatumServices::SetDatum(feature, 1)) ? 0 : E_FAIL;
  ZORFeature_var datum = f->GetDocument()->DuplicateAsDatum(*f);
  if (!datum) return E_FAIL;
  ZORIDescendants_var children(ZORSpecObjectOf(father));
  if (!children || FAILED(children->AddChild(ZORSpecObjectOf(datum.get()), 0))) {
    datum->remove();
    return E_FAIL;
  }
  return 1;
}

HRESULT ZORSurfacicUIStateCommand::TakeDatumInPlace(const ZORISpecObject_var& feature) {
  ZORISpecObject_var father = feature->GetFather();
  ZORIDescendants_var children(father);
  if (!children) return E_FAIL;
  ZORISpecObject_var datum = children->GetChildAtPosition(children->GetNumberOfChildren());
  if (!datum || FAILED(children->ReplaceChild(feature, datum))) return E_FAIL;
  const bool wasCurrent = GetCurrentFeature().get() == feature.get();
  if (LifeCycleObject_var lifeCycle{feature}) lifeCycle->remove();
  SetMyFeature(datum);
  if (wasCurrent) SetCurrentFeature(datum);
  return S_OK;
}

bool ZORSurfacicUIStateCommand::RunAction(ZORCallbackData) {
  ZORISpecObject_var feature = GiveMyFeature();
  if (!feature) return true;
  if (FAILED(RunUpdate(feature, 1, 1))) return false;
  if (FAILED(ValidateResult(feature, 0))) return false;
  if (!IsEditModeOn() && !feature->GetFather() &&
      FAILED(InsertInCurrentContext(feature, ZORISpecObject_var(), 0))) {
    return false;
  }
  if (!info_ || info_->GetDatumMode() != 1) return true;
  const HRESULT converted = ConvertToDatum(feature);
  if (FAILED(converted)) return false;
  return converted != 1 || SUCCEEDED(TakeDatumInPlace(feature));
}

HRESULT ZORSurfacicUIStateCommand::UpdateIcons() {
  ZORISpecObject_var node = GiveMyFeature();
  if (!node) return E_FAIL;
  for (; node; node = node->GetFather()) {
    if (ZORIRedrawEvent_var redraw{node}) redraw->Redraw();
  }
  return S_OK;
}

bool ZORSurfacicUIStateCommand::CancelAction(ZORCallbackData data) {
  repeatCount_ = 0;
  return ZORWENUIStackStateCommand::CancelAction(data);
}

HRESULT ZORSurfacicUIStateCommand::DisplayErrorDiagnostic(const ZORISpecObject_var& feature) {
  ZORVar<ZORIUpdateError> updateError(feature);
  ZORVar<ZORMfErrUpdate> error = updateError ? updateError->GetUpdateError() : nullptr;
  if (!error) return S_OK;
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  ZORDialog* window = frame ? frame->GetMainWindow() : nullptr;
  if (!window) return E_FAIL;
  auto* box = new ZORFrmNotify(window, "UpdateDiagnostic", 0x10100200);
  box->SetTitle(feature->GetDisplayName());
  box->SetText(error->GetDiagnostic());
  box->CloseOnAnswer();
  box->SetVisibility(ZORDialog::kShown);
  return S_OK;
}

HRESULT ZORSurfacicUIStateCommand::DisplayFeatureWarnings(const ZORISpecObject_var& feature) {
  ZORFeature* top = ZORFeature::From(feature.get());
  if (!top) return E_FAIL;
  std::string text;
  AppendWarnings(*top, text);
  if (text.empty()) return S_OK;
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  ZORDialog* window = frame ? frame->GetMainWindow() : nullptr;
  if (!window) return E_FAIL;
  auto* box = new ZORFrmNotify(window, "Warnings", kWarningsStyle);
  box->SetTitle(feature->GetDisplayName());
  text.pop_back();  // the last line's end
  box->SetText(ZORUnicodeString(text));
  box->CloseOnAnswer();
  box->SetVisibility(ZORDialog::kShown);
  return S_OK;
}
