#include "ZORGuiWOSAxisAgent.h"

#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORIFeaturize.h"
#include "ZORIMmiContextualManager.h"

namespace {

// The point a pick designates: a point feature picked whole, or a vertex picked on a result
// (made a feature); null for anything else.
ZORISpecObject_var PickedPoint(const ZORPathElement& path) {
  if (!path.IsSet()) return nullptr;
  const ZORBaseUnknown_var leaf = path.GetLeaf();
  const ZORISpecObject_var picked(path.GetFatherOfLeaf());
  if (ZORWENUIFeatureAgent::IsOfType(leaf.get(), ZORString("ZORPoint"))) {
    // A vertex: its feature is the one whose result holds it, above the body.
    ZORISpecObject_var context;
    for (const ZORBaseUnknown_var& object : path.GetObjects()) {
      if (ZORISpecObject_var feature{object}) context = feature;
    }
    const ZORIFeaturize_var featurize(leaf);
    return featurize && context
               ? featurize->Featurize(context.get(), ZORIFeaturize::MfPermanentBody)
               : nullptr;
  }
  const bool isPoint =
      ZORWENUIFeatureAgent::IsOfType(picked.get(), ZORString("ZORIMfPoint")) ||
      ZORWENUIFeatureAgent::IsOfType(picked.get(), ZORString("ZORIMfZeroDimResult"));
  return isPoint ? picked : nullptr;
}

}  // namespace

ZORGuiWOSAxisAgent::ZORGuiWOSAxisAgent(const ZORISpecObject_var& reference, const ZORString& name,
                                       const ZORUnicodeString& undoTitle, int behavior,
                                       unsigned long filterFlags, const ZORBaseUnknown_var& command,
                                       int implicitSelectionMode, int connexSelectionMode,
                                       int contextualCreationMode)
    : ZORGuiWOSCartesianPointOnPlaneAgent(name, undoTitle, behavior, filterFlags, command,
                                          implicitSelectionMode, connexSelectionMode,
                                          contextualCreationMode),
      reference_(reference) {}

ZORGuiWOSAxisAgent::~ZORGuiWOSAxisAgent() = default;

int ZORGuiWOSAxisAgent::DecodeNotification(ZORCommand* sender, ZORNotification* notification) {
  // Past the cartesian decoding, which would valuate the point: the point is only the axis's,
  // and the command hears of the axis alone.
  // NOLINTNEXTLINE(bugprone-parent-virtual-call)
  const int decoded = ZORGuiWOSPointAgent::DecodeNotification(sender, notification);
  if (decoded || !IsValuationEnabled()) return decoded;
  const int point = DecodePoint(notification);
  if (!point || !GetOTFFeature()) return 0;
  const int valued = ValuateAxisThrough(GetOTFFeature());
  // A point made only for an axis that could not be made goes too.
  if (!valued && point == kPointMade) DiscardPoint();
  return valued;
}

bool ZORGuiWOSAxisAgent::TryValue(const ZORPathElement& path) {
  const ZORISpecObject_var point = PickedPoint(path);
  if (!point) return ZORGuiWOSCartesianPointOnPlaneAgent::TryValue(path);
  return ValuateAxisThrough(point) != 0;
}

int ZORGuiWOSAxisAgent::ValuateAxisThrough(const ZORISpecObject_var& point) {
  ZORGuiUtilitiesServices::Show(point);
  ZORISpecObject_var axis;
  if (FAILED(CreateAxisFromPoint(point, axis))) return 0;
  if (FAILED(InsertAxis(axis))) {
    Discard({ZORBaseUnknown_var(axis), ZORBaseUnknown_var(start_), ZORBaseUnknown_var(end_)});
    return 0;
  }
  SetOTFFeature(axis);
  return AgentValuation();
}

HRESULT ZORGuiWOSAxisAgent::CreateAxisFromPoint(const ZORISpecObject_var& point,
                                                ZORISpecObject_var& axis) {
  axis = nullptr;
  const ZORIWENFactory_var factory = ZORGuiUtilitiesServices::GetCurrentWENFactory();
  start_ = NewLength("Start");
  end_ = NewLength("End");
  ZORISpecObject_var made = factory && start_ && StoreLength(end_, kAxisLength)
                                ? factory->CreateLine(point, reference_, start_, end_)
                                : nullptr;
  if (!made || FAILED(ZORGmoUtilitiesServices::Update(ZORBaseUnknown_var(made)))) {
    Discard({ZORBaseUnknown_var(made), ZORBaseUnknown_var(start_), ZORBaseUnknown_var(end_)});
    start_ = end_ = nullptr;
    return E_FAIL;
  }
  axis = made;
  return S_OK;
}

HRESULT ZORGuiWOSAxisAgent::InsertAxis(const ZORISpecObject_var& axis) {
  if (!axis) return E_FAIL;
  if (const ZORIMmiContextualManager_var contextual{axis}) contextual->SetContextual(1);
  return InsertInCurrentTool(axis);
}
