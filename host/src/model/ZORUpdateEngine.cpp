#include "ZORUpdateEngine.h"

#include "ZORFeature.h"
#include "ZORGmoDatumServices.h"

bool ZORUpdateEngine::Update(ZORFeature& feature) {
  ZORUpdateEngine engine;
  return engine.UpdateTree(feature);
}

bool ZORUpdateEngine::Update(const std::vector<ZORFeature*>& features,
                             std::vector<ZORFeature*>& failed) {
  ZORUpdateEngine engine;
  bool ok = true;
  for (ZORFeature* feature : features) ok = engine.UpdateTree(*feature) && ok;
  failed = std::move(engine.failedOrder_);
  return ok;
}

ZORFeature* ZORUpdateEngine::FirstFailure(ZORFeature& feature) {
  if (feature.IsInError() && !feature.place_.upToDate) return &feature;
  for (auto& child : feature.state_->children) {
    if (ZORFeature* failed = FirstFailure(*child)) return failed;
  }
  return nullptr;
}

bool ZORUpdateEngine::UpdateTree(ZORFeature& feature) {
  bool ok = UpdateOne(feature);
  // Every child gets its update, even after a failure, as the user expects of an update all.
  for (auto& child : feature.state_->children) ok = UpdateTree(*child) && ok;
  return ok;
}

bool ZORUpdateEngine::UpdateOne(ZORFeature& feature) {
  if (feature.place_.upToDate) return true;
  if (failed_.count(&feature)) return false;
  if (feature.state_->body && ZORGmoDatumServices::IsDatum(feature)) {
    Succeed(feature, feature.state_->body);
    return true;
  }
  std::string diagnostic = CheckInputs(feature);
  if (!diagnostic.empty()) {
    Fail(feature, diagnostic, ZORMfErrUpdate::kInputsInError);
    return false;
  }
  ZORBody_var body;
  if (feature.type_->Run(feature, body, diagnostic)) {
    Succeed(feature, body);
    feature.EditState().warnings = feature.type_->WarningsFor(feature);
    return true;
  }
  Fail(feature, diagnostic.empty() ? "The feature cannot be computed" : diagnostic, 0);
  return false;
}

std::string ZORUpdateEngine::CheckInputs(ZORFeature& feature) {
  if (!feature.IsInDocument()) return "The feature is not in the document";
  for (auto& input : feature.state_->inputs) {
    ZORFeature& target = *input.target;
    // The name is spelled only for a diagnostic: most updates need none.
    auto name = [&] { return input.role + " (" + target.GetDisplayNameText() + ")"; };
    if (!target.IsInDocument()) return "Input " + name() + " was deleted";
    // Inputs form no cycle (SetInput refuses one), so this recursion ends.
    if (!UpdateOne(target)) return "Input " + name() + " is in error";
  }
  return "";
}

ZORBody_var ZORUpdateEngine::Result(const ZORFeature& feature, ZORBody_var body) {
  // A kind that computes geometry always has a result, empty when nothing could be made, so
  // that callers tell "nothing" from "not computed"; the other kinds have none.
  if (!body && feature.type_->HasCompute()) return ZORMake<ZORBody>();
  return body;
}

void ZORUpdateEngine::Succeed(ZORFeature& feature, ZORBody_var body) {
  ZORFeatureState& state = feature.EditState();
  state.body = Result(feature, std::move(body));
  state.error = nullptr;
  feature.EditPlace().upToDate = true;
}

void ZORUpdateEngine::Fail(ZORFeature& feature, const std::string& diagnostic, int type) {
  ZORFeatureState& state = feature.EditState();
  state.body = Result(feature, nullptr);
  state.warnings.clear();
  feature.EditPlace().upToDate = false;
  state.error = ZORMake<ZORMfErrUpdate>(ZORUnicodeString(diagnostic));
  state.error->SetType(type);
  if (failed_.insert(&feature).second) failedOrder_.push_back(&feature);
}
