#include "ZORGuiWOSServices.h"

#include "ZORError.h"
#include "ZORFrmEditor.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORIPrtContainer.h"
#include "ZORISpecImportManager.h"
#include "ZORIWENWorkingSupportFactory.h"

namespace {

constexpr const char* kPath = "WENUI/ZORGuiUtilities.m/src/ZORGuiWOSServices";

HRESULT Return(bool success, int line) {
  return ZORError::GetReturn(success ? 1 : 0, kPath, line);
}

// The part of `feature`'s container, or of the current container.
ZORIPrtPart_var PartOf(const ZORISpecObject_var& feature) {
  const ZORIPrtContainer_var container(
      feature ? feature->GetFeatContainer() : ZORGuiBasicUtilitiesServices::GetCurrentContainer());
  return container ? container->GetPart() : nullptr;
}

// Whether `feature` may be used from `from` by the rules of `manager`.
bool IsUsable(ZORISpecImportManager& manager, const ZORISpecObject_var& feature,
              const ZORPathElement& from) {
  ZORPathElement path;
  return SUCCEEDED(manager.BuildPath(feature, from, path)) &&
         SUCCEEDED(manager.CheckLinearity(path, from));
}

}  // namespace

HRESULT ZORGuiGetCurrentWorkingSupportSet(const ZORISpecObject_var& feature,
                                          ZORIWENWorkingSupportSet_var& set) {
  const ZORIWENWorkingSupportFactory_var factory(PartOf(feature));
  set = factory ? factory->GetWorkingSupportSet() : nullptr;
  return Return(static_cast<bool>(set), __LINE__);
}

HRESULT ZORGuiGetCurrentWorkingSupport(const ZORISpecObject_var& feature,
                                       ZORIWENWorkingSupport_var& support) {
  ZORIWENWorkingSupportSet_var set;
  ZORGuiGetCurrentWorkingSupportSet(feature, set);
  support = set ? set->GetCurrentWorkingSupport() : nullptr;
  return Return(static_cast<bool>(support), __LINE__);
}

HRESULT IsWorkingSupportUsableWithLinearityRules(const ZORIWENWorkingSupport_var& support) {
  const ZORISpecObject_var supportFeature = support ? support->GetSupport() : nullptr;
  if (!supportFeature) return Return(false, __LINE__);
  const ZORISpecImportManager_var manager(ZORGuiUtilitiesServices::GetCurrentPart());
  if (!manager) return Return(false, __LINE__);
  const ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  const ZORPathElement from = editor ? editor->GetUIActiveObject() : ZORPathElement();
  if (!IsUsable(*manager, supportFeature, from)) return Return(false, __LINE__);
  const ZORISpecObject_var origin = support->GetOrigin();
  return Return(!origin || IsUsable(*manager, origin, from), __LINE__);
}
