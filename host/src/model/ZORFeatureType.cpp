#include "ZORFeatureType.h"

#include <algorithm>

#include "ZORFeature.h"

bool ZORFeatureType::HasInputRole(const std::string& role) const {
  return std::find(d_.inputRoles.begin(), d_.inputRoles.end(), role) != d_.inputRoles.end();
}

bool ZORFeatureType::Offers(const IID& iid) const {
  return std::find(d_.interfaces.begin(), d_.interfaces.end(), iid) != d_.interfaces.end();
}

void ZORFeatureType::FailFor(const std::vector<const ZORFeature*>& inputs, std::string diagnostic) {
  Failure failure{{}, std::move(diagnostic)};
  for (const ZORFeature* input : inputs) {
    if (input) failure.inputSerials.push_back(input->GetSerial());
  }
  failures_.push_back(std::move(failure));
}

bool ZORFeatureType::Matches(const Failure& failure, const ZORFeature& feature) const {
  const auto inputs = feature.GetInputs();
  return std::all_of(
      failure.inputSerials.begin(), failure.inputSerials.end(), [&](unsigned long serial) {
        return std::any_of(inputs.begin(), inputs.end(),
                           [&](const auto& input) { return input.second->GetSerial() == serial; });
      });
}

bool ZORFeatureType::Run(const ZORFeature& feature, ZORBody_var& body,
                         std::string& diagnostic) const {
  for (const Failure& failure : failures_) {
    if (!Matches(failure, feature)) continue;
    diagnostic = failure.diagnostic;
    return false;
  }
  body = nullptr;
  return d_.compute ? d_.compute(feature, body, diagnostic) : true;
}
