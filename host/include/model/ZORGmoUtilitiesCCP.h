#pragma once
// Copy of features between and within containers.

#include "ZORISpecObject.h"

class ZORGmoUtilitiesCCP {
 public:
  // A copy of `feature` in `container`'s document, nobody's child yet. With `withInputs` (1) it
  // keeps the inputs currently set on the feature when both are in the same document; a copy
  // into another document has no inputs. Null for a non-feature, a container that is not one,
  // or when the service fails.
  static ZORISpecObject_var DuplicateSpec(const ZORBaseUnknown_var& feature,
                                          const ZORBaseUnknown_var& container, int withInputs = 1);
};
