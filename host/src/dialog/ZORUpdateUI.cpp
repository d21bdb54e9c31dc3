#include "ZORUpdateUI.h"

#include <unordered_set>

#include "ZORFaultGate.h"
#include "ZORIInterrupt.h"
#include "ZORUpdateEngine.h"

namespace {

std::vector<ZORUpdateUI::Report>& Reports() {
  static std::vector<ZORUpdateUI::Report> reports;
  return reports;
}

}  // namespace

ZORUpdateUI* ZORUpdateUI::CreateUpdateUI() {
  if (!ZORFaultGate::Pass("ZORUpdateUI::CreateUpdateUI")) return nullptr;
  return new ZORUpdateUI();
}

HRESULT ZORUpdateUI::AddElement(const ZORBaseUnknown_var& feature) {
  ZORFeature* f = ZORFeature::From(feature.get());
  if (!f) return E_FAIL;
  if (elements_.PositionOf(f) == ZORFeatureList::npos) elements_.push_back(f);
  return S_OK;
}

void ZORUpdateUI::CompleteProgress(ZORFeature& feature) {
  ZORIInterrupt_var interrupt(static_cast<ZORBaseUnknown*>(&feature));
  ZORProgressTaskUI_var task = interrupt ? interrupt->GetProgressTaskUI() : nullptr;
  if (task && feature.IsUpToDate()) task->SetValue(task->GetHigh());
}

std::vector<ZORFeature*> ZORUpdateUI::FeaturesToUpdate() const {
  std::vector<ZORFeature*> features;
  std::unordered_set<const ZORFeature*> seen;
  for (const ZORFeature_var& element : elements_) {
    if (seen.insert(element.get()).second) features.push_back(element.get());
  }
  if (!updateAll_) return features;
  // Users in breadth order: the engine brings each one's inputs up to date first anyway.
  for (std::size_t i = 0; i < features.size(); ++i) {
    for (ZORFeature* user : features[i]->GetUsers()) {
      if (seen.insert(user).second) features.push_back(user);
    }
  }
  return features;
}

HRESULT ZORUpdateUI::Run() {
  if (action_ != kUpdateAction) return E_INVALIDARG;
  if (!ZORFaultGate::Pass("ZORUpdateUI::Run")) return E_FAIL;
  if (destroyOldReport_) ClearReports();
  const std::vector<ZORFeature*> features = FeaturesToUpdate();
  std::vector<bool> wasUpToDate;
  wasUpToDate.reserve(features.size());
  for (ZORFeature* f : features) wasUpToDate.push_back(f->IsUpToDate());
  std::vector<ZORFeature*> failed;
  const bool ok = ZORUpdateEngine::Update(features, failed);
  failed_.assign(failed.begin(), failed.end());
  for (const ZORFeature_var& element : elements_) CompleteProgress(*element);
  if (visualize_) {
    for (std::size_t i = 0; i < features.size(); ++i) {
      ZORIRedrawEvent_var redraw(static_cast<ZORBaseUnknown*>(features[i]));
      if (!wasUpToDate[i] && features[i]->IsUpToDate() && redraw) redraw->Redraw();
    }
  }
  return ok ? S_OK : E_FAIL;
}

HRESULT ZORUpdateUI::GetErrorFeatures(ZORListValZORISpecObject_var& features) {
  features.RemoveAll();
  for (const ZORFeature_var& f : failed_) {
    features.Append(ZORISpecObject_var(static_cast<ZORBaseUnknown*>(f.get())));
  }
  return S_OK;
}

HRESULT ZORUpdateUI::CreateReport(int mode) {
  if (failed_.empty()) return S_FALSE;
  Report report{mode, {}};
  for (const ZORFeature_var& f : failed_) {
    ZORIUpdateError_var updateError(static_cast<ZORBaseUnknown*>(f.get()));
    ZORVar<ZORMfErrUpdate> error = updateError ? updateError->GetUpdateError() : nullptr;
    const std::string diagnostic = error ? error->GetDiagnostic().str() : std::string();
    report.lines.push_back(f->GetDisplayNameText() + ": " + diagnostic);
  }
  Reports().push_back(std::move(report));
  return S_OK;
}

const std::vector<ZORUpdateUI::Report>& ZORUpdateUI::GetReports() {
  return Reports();
}

void ZORUpdateUI::ClearReports() {
  Reports().clear();
}
