#include "ZORWENGetCurrentGeoFactory.h"

ZORVar<ZORGeoFactory> ZORWENGetCurrentGeoFactory(const ZORISpecObject_var& feature) {
  const ZORBaseUnknown_var container = feature ? feature->GetFeatContainer() : nullptr;
  return container ? ZORGeoFactory::GetFactoryOf(container.get()) : nullptr;
}
