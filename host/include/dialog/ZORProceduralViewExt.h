#pragma once
// The procedural views of features: ZORIPrtProceduralView for every feature shown in the tree
// that is not a tool, ZORIWENProceduralView for wireframe and surface features and
// multi-selections.

#include "ZORFeatureExtension.h"
#include "ZORIPrtProceduralView.h"
#include "ZORIWENProceduralView.h"

class ZORProceduralViewExt : public ZORFeatureExtension,
                             public ZORIPrtProceduralView,
                             public ZORIWENProceduralView {
  ZOR_DECLARE_CLASS(ZORProceduralViewExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")

  ZORProceduralViewExt() = default;
  HRESULT QueryInterface(const IID& iid, void** out) override;

  HRESULT InsertInProceduralView(const ZORBaseUnknown_var& target) override;
  HRESULT InsertInProceduralView(const ZORIDescendants_var& target, int position,
                                 const ZORISpecObject_var& reference) override;

 private:
  // Inserts the feature under `tool` at `position` (0 appends) and makes it current.
  HRESULT InsertAt(ZORIDescendants* tool, int position);
};
