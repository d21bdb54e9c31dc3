#pragma once
// The feature whose input description is being edited (the single result of a finalised
// multi-selection while it takes the multi-selection's place).

#include "ZORISpecObject.h"

class ZORGmoInputDescriptionSwitch {
 public:
  // Null clears. Only features are kept.
  static void SetCurrentEditedFeature(const ZORISpecObject_var& feature);
  static ZORISpecObject_var GetCurrentEditedFeature();
};
