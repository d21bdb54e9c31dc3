#pragma once
// Insertion of a wireframe or surface feature into a given tool, relative to a reference.

#include "ZORIDescendants.h"

class ZORIWENProceduralView : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENProceduralView)

  static constexpr int kBefore = 0;
  static constexpr int kAfter = 1;

  // Inserts this feature under `target`, after (kAfter) or before (kBefore) the child of
  // `target` that holds `reference` (the reference itself, or the branch it lies in); without a
  // reference that `target` holds, last (kAfter) or first (kBefore). The feature then becomes
  // the current feature. E_FAIL without a target or when the tree refuses the feature.
  virtual HRESULT InsertInProceduralView(const ZORIDescendants_var& target, int position,
                                         const ZORISpecObject_var& reference) = 0;
};

ZOR_DEFINE_IID(ZORIWENProceduralView);
using ZORIWENProceduralView_var = ZORVar<ZORIWENProceduralView>;
