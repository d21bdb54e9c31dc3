#pragma once
// Insertion of a feature at the current place of its document's tree.

#include "ZORVar.h"

class ZORIPrtProceduralView : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIPrtProceduralView)

  // Inserts this feature right after the current feature, in the tool that holds it (as the
  // last child when the current feature is itself a tool), or as the last child of `target`
  // when one is given; the feature then becomes the current feature. E_FAIL when there is no
  // place (no current feature, no tool above it) or the tree refuses the feature.
  virtual HRESULT InsertInProceduralView(const ZORBaseUnknown_var& target = nullptr) = 0;
};

ZOR_DEFINE_IID(ZORIPrtProceduralView);
using ZORIPrtProceduralView_var = ZORVar<ZORIPrtProceduralView>;
