#include "ZORGuiSplitTrim.h"

#include "ZORGmoUtilitiesBody.h"
#include "ZORGuiInputError.h"
#include "ZORIWENBuildDiagnosis.h"
#include "ZORIWENSplit.h"
#include "ZORIWENTrim.h"
#include "ZORWENUIPanelError.h"

namespace {

constexpr int kWarningSeverity = 3;

}  // namespace

ZORGuiSplitTrim::ZORGuiSplitTrim(const ZORISpecObject_var& feature) : feature_(feature) {}

ZORGuiSplitTrim::~ZORGuiSplitTrim() {
  Release(errorSymbol_);
  Release(contextSymbol_);
}

void ZORGuiSplitTrim::SetFeature(const ZORISpecObject_var& feature) {
  feature_ = feature;
}

void ZORGuiSplitTrim::VisualizeBuildDiagnosisData(const long buildResult) {
  ZORIWENBuildDiagnosis_var diagnosis(feature_);
  if (!diagnosis) return;
  if (!ZORIWENSplit_var(feature_) && !ZORIWENTrim_var(feature_)) return;
  ZORGmoBuildDiagnosisDataSplitTrim_var data;
  if (FAILED(diagnosis->GetBuildDiagnosisData(data)) || !data) return;
  if (buildResult < 0) {
    ShowFailure(*data);
  } else if (data->IsAWarning()) {
    ShowWarning(*data);
  }
}

void ZORGuiSplitTrim::ShowFailure(ZORGmoBuildDiagnosisDataSplitTrim& data) {
  const ZORBody_var inError = data.GetBody();
  if (ZORGmoUtilitiesBody::GetHigherDimFromBody(inError) >= 0) Replace(errorSymbol_, inError);
  const ZORBody_var context = data.GetContextBody();
  if (ZORGmoUtilitiesBody::GetHigherDimFromBody(context) >= 0) {
    Replace(contextSymbol_, context);
    if (errorSymbol_) contextSymbol_->SetColor(kContextColor);
  }
}

void ZORGuiSplitTrim::ShowWarning(ZORGmoBuildDiagnosisDataSplitTrim& data) {
  ZORString key, catalog;
  data.GetMessage(key, catalog);
  auto* error = new ZORGuiInputError(key.c_str(), catalog.c_str());
  error->SetSeverity(kWarningSeverity);
  ZORWENUIPanelError::ShowAndFlush(error);

  ZORListValZORBaseUnknown_var objects;
  data.GetTopObjects(objects);
  if (objects.Size() == 0) return;
  topObjects_ = std::make_unique<ZORGuiBagRep>();
  topObjects_->SetLineType(kWarningLineType);
  topObjects_->SetColor(kWarningColor);
  topObjects_->SetThickness(kWarningThickness);
  topObjects_->SetTopology(kWarningTopology);
  topObjects_->Initialize();
  for (int i = 1; i <= objects.Size(); ++i) {
    ZORBaseUnknown* object = objects[i].get();
    if (auto* body = dynamic_cast<ZORBody*>(object)) {
      topObjects_->Append(body);
    } else if (auto* cell = dynamic_cast<ZORCell*>(object)) {
      topObjects_->Append(cell, nullptr);
    }
  }
  topObjects_->Update();
}

void ZORGuiSplitTrim::CleanBuildDiagnosis() {
  Release(errorSymbol_);
  Release(contextSymbol_);
  topObjects_.reset();
  if (ZORIWENBuildDiagnosis_var diagnosis{feature_}) diagnosis->CleanBuildDiagnosisData();
}

bool ZORGuiSplitTrim::IsValidPointToRemoveKeep(ZORISpecObject_var& element) {
  if (!element) return false;
  return ZORGmoUtilitiesBody::GetGeometryType(ZORBaseUnknown_var(element)) ==
         ZORGmoUtilitiesBody::kPoint;
}

void ZORGuiSplitTrim::Replace(ZORGuiBodyInErrorSymbol*& symbol, const ZORBody_var& body) {
  Release(symbol);
  symbol = new ZORGuiBodyInErrorSymbol();
  symbol->SetPickable(0);
  symbol->SetBody(body.get());
}

void ZORGuiSplitTrim::Release(ZORGuiBodyInErrorSymbol*& symbol) {
  if (symbol) symbol->RequestDelayedDestruction();
  symbol = nullptr;
}
