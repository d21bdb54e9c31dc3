#include "ZORWENOptionalAttrMapManagerExt.h"

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORWENOptionalAttrMapManagerExt", "ZORIWENOptionalAttrMapManager",
                     ZORIWENOptionalAttrMapManager::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORWENOptionalAttrMapManagerExt>});
  return true;
}();

}  // namespace

HRESULT ZORWENOptionalAttrMapManagerExt::QueryInterface(const IID& iid, void** out) {
  if (iid == ZORIWENOptionalAttrMapManager::ClassIID()) {
    const ZORFeature* feature = GetFeature();
    return AnswerIf<ZORIWENOptionalAttrMapManager>(this, feature && IsGeometric(*feature), iid,
                                                   out);
  }
  return ZORFeatureExtension::QueryInterface(iid, out);
}

HRESULT ZORWENOptionalAttrMapManagerExt::Refresh() {
  if (!ZORFaultGate::Pass("ZORIWENOptionalAttrMapManager::Refresh")) return E_FAIL;
  ++refreshes_;
  return S_OK;
}

int ZORWENOptionalAttrMapManagerExt::RefreshCountOf(ZORBaseUnknown* feature) {
  ZORIWENOptionalAttrMapManager_var manager(feature);
  auto* ext = dynamic_cast<ZORWENOptionalAttrMapManagerExt*>(manager.get());
  return ext ? ext->refreshes_ : 0;
}
