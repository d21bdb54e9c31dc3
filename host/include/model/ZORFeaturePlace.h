#pragma once
// Where a feature stands: under which father, whether it is still in its document, current and
// active. Undo gives it back with the rest of the feature, but it is kept in the feature itself,
// apart from the state shared with the undo marks: moving, removing or outdating a feature then
// copies nothing of what the feature holds.

class ZORFeature;

struct ZORFeaturePlace {
  ZORFeature* father = nullptr;  // not owned: fathers own their children
  bool upToDate = false;
  bool inDocument = true;
  bool inactive = false;

  bool operator==(const ZORFeaturePlace&) const = default;
};
