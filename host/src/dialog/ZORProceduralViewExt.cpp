#include "ZORProceduralViewExt.h"

#include "ZORFeature.h"
#include "ZORGmoUtilitiesWENTool.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORProceduralViewExt", "ZORIPrtProceduralView",
                     ZORIPrtProceduralView::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORProceduralViewExt>});
  ZORFillDictionary({"ZORProceduralViewExt", "ZORIWENProceduralView",
                     ZORIWENProceduralView::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORProceduralViewExt>});
  return true;
}();

// The child of `tool` that is `feature` or holds it; null when `tool` does not hold it.
ZORFeature* BranchOf(ZORFeature& tool, ZORFeature* feature) {
  for (ZORFeature* f = feature; f; f = f->GetFatherFeature()) {
    if (f->GetFatherFeature() == &tool) return f;
  }
  return nullptr;
}

}  // namespace

HRESULT ZORProceduralViewExt::QueryInterface(const IID& iid, void** out) {
  const ZORFeature* feature = GetFeature();
  if (iid == ZORIPrtProceduralView::ClassIID()) {
    return AnswerIf<ZORIPrtProceduralView>(this, feature && IsPlaceable(*feature), iid, out);
  }
  if (iid == ZORIWENProceduralView::ClassIID()) {
    const bool suits = feature && (IsGeometric(*feature) || IsMultiSel(*feature));
    return AnswerIf<ZORIWENProceduralView>(this, suits, iid, out);
  }
  return ZORFeatureExtension::QueryInterface(iid, out);
}

HRESULT ZORProceduralViewExt::InsertAt(ZORIDescendants* tool, int position) {
  ZORISpecObject_var self(GetExtendedObject());
  // A feature moved down its own tool leaves a hole above the place it goes to.
  const int current = tool->GetPosition(self);
  if (current && position > current) --position;
  const HRESULT hr = tool->AddChild(self, position);
  if (FAILED(hr)) return E_FAIL;
  ZORGmoUtilitiesWENTool::SetCurrentFeature(self);
  return S_OK;
}

HRESULT ZORProceduralViewExt::InsertInProceduralView(const ZORBaseUnknown_var& target) {
  if (target) {
    ZORIDescendants_var tool(target);
    return tool ? InsertAt(tool.get(), 0) : E_FAIL;
  }
  ZORFeature* current =
      ZORFeature::From(ZORGmoUtilitiesWENTool::GetCurrentFeature(GetExtendedObject()).get());
  if (!current) return E_FAIL;
  if (IsTool(*current)) {
    ZORIDescendants_var tool(static_cast<ZORBaseUnknown*>(current));
    return tool ? InsertAt(tool.get(), 0) : E_FAIL;
  }
  // After the current feature's branch, in the tool above it.
  ZORFeature* branch = current;
  while (branch->GetFatherFeature() && !IsTool(*branch->GetFatherFeature())) {
    branch = branch->GetFatherFeature();
  }
  ZORIDescendants_var tool(static_cast<ZORBaseUnknown*>(branch->GetFatherFeature()));
  if (!tool) return E_FAIL;
  const int position = tool->GetPosition(ZORISpecObject_var(static_cast<ZORBaseUnknown*>(branch)));
  return InsertAt(tool.get(), position + 1);
}

HRESULT ZORProceduralViewExt::InsertInProceduralView(const ZORIDescendants_var& target,
                                                     int position,
                                                     const ZORISpecObject_var& reference) {
  ZORFeature* tool = ZORFeature::From(target.get());
  if (!tool) return E_FAIL;
  ZORFeature* branch = BranchOf(*tool, ZORFeature::From(reference.get()));
  if (!branch) return InsertAt(target.get(), position == kAfter ? 0 : 1);
  const int at = target->GetPosition(ZORISpecObject_var(static_cast<ZORBaseUnknown*>(branch)));
  return InsertAt(target.get(), position == kAfter ? at + 1 : at);
}
