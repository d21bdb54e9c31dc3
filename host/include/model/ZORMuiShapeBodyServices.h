#pragma once
// Services on shape bodies.

#include "ZORISpecObject.h"

class ZORMuiShapeBodyServices {
 public:
  // The shape body that holds `feature` (its nearest father that is one); null when none.
  static ZORISpecObject_var GetShapeBodyFather(const ZORBaseUnknown_var& feature);
};
