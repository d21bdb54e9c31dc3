#pragma once
// Datum features: a datum keeps its result as it is instead of recomputing it from its inputs
// (the update engine leaves it alone). The mark is the feature's "Datum" attribute, so undo and
// dumps see it like any other attribute.

#include "ZORVar.h"

class ZORFeature;

class ZORGmoDatumServices {
 public:
  // Makes the feature behind `object` (a feature or its implementation object) a datum (1) or
  // not (0). E_FAIL for an object that is not a feature.
  static HRESULT SetDatum(const ZORBaseUnknown_var& object, int datum);
  static int IsDatum(const ZORBaseUnknown_var& object);
  static bool IsDatum(ZORFeature& feature);

  static constexpr const char* kDatumAttribute = "Datum";
};
