#include "ZORFeatureType.h"

#include <algorithm>

#include "ZORFeature.h"

ZORFeatureType::ZORFeatureType(Description description)
    : d_(std::move(description)), offersSpecObject_(Offers(ZORISpecObject::ClassIID())) {}

bool ZORFeatureType::HasInputRole(const std::string& role) const {
  return std::find(d_.inputRoles.begin(), d_.inputRoles.end(), role) != d_.inputRoles.end();
}

bool ZORFeatureType::Offers(const IID& iid) const {
  return std::find(d_.interfaces.begin(), d_.interfaces.end(), iid) != d_.interfaces.end();
}

ZORFeatureType::Rule ZORFeatureType::MakeRule(const std::vector<const ZORFeature*>& inputs,
                                              std::string text) {
  Rule rule{{}, std::move(text)};
  for (const ZORFeature* input : inputs) {
    if (input) rule.inputSerials.push_back(input->GetSerial());
  }
  return rule;
}

void ZORFeatureType::FailFor(const std::vector<const ZORFeature*>& inputs, std::string diagnostic) {
  failures_.push_back(MakeRule(inputs, std::move(diagnostic)));
}

void ZORFeatureType::WarnFor(const std::vector<const ZORFeature*>& inputs, std::string text) {
  warnings_.push_back(MakeRule(inputs, std::move(text)));
}

bool ZORFeatureType::Matches(const Rule& rule, const ZORFeature& feature) {
  const auto inputs = feature.GetInputs();
  return std::all_of(rule.inputSerials.begin(), rule.inputSerials.end(), [&](unsigned long serial) {
    return std::any_of(inputs.begin(), inputs.end(),
                       [&](const auto& input) { return input.second->GetSerial() == serial; });
  });
}

bool ZORFeatureType::Run(const ZORFeature& feature, ZORBody_var& body,
                         std::string& diagnostic) const {
  for (const Rule& failure : failures_) {
    if (!Matches(failure, feature)) continue;
    diagnostic = failure.text;
    return false;
  }
  body = nullptr;
  return d_.compute ? d_.compute(feature, body, diagnostic) : true;
}

std::vector<std::string> ZORFeatureType::WarningsFor(const ZORFeature& feature) const {
  std::vector<std::string> texts;
  for (const Rule& warning : warnings_) {
    if (Matches(warning, feature)) texts.push_back(warning.text);
  }
  return texts;
}
