#pragma once

#include "ZORListValZORISpecObject_var.h"
#include "ZORVar.h"

class ZORGmoMecModServices {
 public:
  // The contextual children of `feature`: the features aggregated under it (created in its
  // context, such as a point made on the fly for one of its inputs), appended to `children`.
  // Tools have none. E_FAIL for null or for an object that is not a feature.
  static HRESULT GetContextualChildren(const ZORBaseUnknown_var& feature,
                                       ZORListValZORISpecObject_var& children, int mode);
  // The internal children of `feature` (those the host made for the feature's own use), in
  // child order, appended to `children`. E_FAIL for null or for an object that is not a feature.
  static HRESULT GetInternalMechanicalChildren(const ZORBaseUnknown_var& feature,
                                               ZORListValZORISpecObject_var& children);
};
