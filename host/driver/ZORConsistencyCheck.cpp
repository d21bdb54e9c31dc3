#include "ZORConsistencyCheck.h"

#include <algorithm>
#include <unordered_set>

#include "ZORFeatureExtension.h"
#include "ZORGuiCommandStack.h"
#include "ZORIWENMultiSel.h"
#include "ZORSpecObjectOf.h"

namespace {

std::string NameOf(const ZORFeature* feature) {
  return feature ? feature->GetDisplayNameText() : std::string("null");
}

// The tree from the part down: each child held by its father and in the document.
void CheckTree(ZORDocument& document, std::vector<std::string>& problems) {
  std::vector<ZORFeature*> pending{document.GetPart()};
  while (!pending.empty()) {
    ZORFeature* father = pending.back();
    pending.pop_back();
    for (const auto& child : father->GetChildren()) {
      if (child->GetFatherFeature() != father) {
        problems.push_back(NameOf(child.get()) + " is held by " + NameOf(father) + " but names " +
                           NameOf(child->GetFatherFeature()) + " as father");
      }
      if (!child->IsInDocument() || child->GetDocument() != &document) {
        problems.push_back("removed feature " + NameOf(child.get()) + " is reachable under " +
                           NameOf(father));
      }
      pending.push_back(child.get());
    }
  }
}

// Features with a father are among its children; results of a multi-selection are its children.
void CheckFathers(ZORDocument& document, std::vector<std::string>& problems) {
  const std::vector<ZORFeature*> features = document.GetFeatures();
  // The features held by the father they name, gathered once for all.
  std::unordered_set<const ZORFeature*> held;
  for (ZORFeature* feature : features) {
    for (const auto& child : feature->GetChildren()) {
      if (child->GetFatherFeature() == feature) held.insert(child.get());
    }
  }
  for (ZORFeature* feature : features) {
    ZORFeature* father = feature->GetFatherFeature();
    if (father) {
      if (!held.count(feature)) {
        problems.push_back(NameOf(feature) + " names " + NameOf(father) +
                           " as father but is not among its children");
      }
    }
    ZORIWENMultiSel_var multiSel(ZORSpecObjectOf(feature));
    ZORListValZORISpecObject_var reals;
    if (!multiSel || FAILED(multiSel->GetRealFeatures(reals))) continue;
    for (const ZORISpecObject_var& real : reals) {
      ZORFeature* r = ZORFeature::From(real.get());
      if (r && r->GetFatherFeature() != feature) {
        problems.push_back("real feature " + NameOf(r) + " of " + NameOf(feature) +
                           " is not its child");
      }
    }
  }
}

}  // namespace

std::vector<std::string> ZORConsistencyCheck::Unattached(ZORDocument& document) {
  std::vector<std::string> problems;
  if (ZORGuiCommandStack::Instance()->GetCurrentCommand()) return problems;
  for (ZORFeature* feature : document.GetFeatures()) {
    if (feature->IsInDocument() && !feature->GetFatherFeature() &&
        ZORFeatureExtension::IsPlaceable(*feature)) {
      problems.push_back(NameOf(feature) + " is in the document without a father");
    }
  }
  return problems;
}

namespace {

// The users index against the inputs: each feature in the document is a user of what it uses,
// and of nothing else.
void CheckUsers(ZORDocument& document, std::vector<std::string>& problems) {
  for (ZORFeature* feature : document.GetFeatures()) {
    for (ZORFeature* user : feature->GetUsers()) {
      const auto inputs = user->GetInputs();
      const bool uses = std::any_of(inputs.begin(), inputs.end(),
                                    [&](const auto& input) { return input.second == feature; });
      if (!uses || !user->IsInDocument()) {
        problems.push_back(NameOf(user) + " is listed as a user of " + NameOf(feature) +
                           " but does not use it");
      }
    }
    if (!feature->IsInDocument()) continue;
    for (const auto& [role, input] : feature->GetInputs()) {
      const auto users = input->GetUsers();
      if (std::find(users.begin(), users.end(), feature) == users.end()) {
        problems.push_back(NameOf(feature) + " uses " + NameOf(input) + " as " + role +
                           " but is not listed among its users");
      }
    }
  }
}

void CheckEvents(ZORDocument& document, std::vector<std::string>& problems) {
  for (const ZORModelEvent_var& event : document.GetEventLog().Events()) {
    ZORFeature* feature = ZORFeature::From(event->GetObject().get());
    if (feature && feature->GetDocument() != &document) {
      problems.push_back("event names a feature of another document: " + event->Describe());
    }
  }
}

}  // namespace

std::vector<std::string> ZORConsistencyCheck::Problems(ZORDocument& document) {
  std::vector<std::string> problems;
  CheckTree(document, problems);
  CheckFathers(document, problems);
  CheckUsers(document, problems);
  CheckEvents(document, problems);
  return problems;
}
