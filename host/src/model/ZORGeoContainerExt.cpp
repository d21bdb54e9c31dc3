#include "ZORGeoContainerExt.h"

#include "ZORFaultGate.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORGeoContainerExt", "ZORIGeometricContainer",
                     ZORIGeometricContainer::ClassIID(), "ZORFeatCont",
                     &ZORExtensionCreator<ZORGeoContainerExt>});
  return true;
}();

}  // namespace

ZORGeoFactory* ZORGeoContainerExt::GetGeoFactory() {
  if (!ZORFaultGate::Pass("ZORIGeometricContainer::GetGeoFactory")) return nullptr;
  if (!factory_) factory_ = ZORMake<ZORGeoFactory>();
  return factory_.get();
}
