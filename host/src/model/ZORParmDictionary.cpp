#include "ZORParmDictionary.h"

#include "ZORFeature.h"

ZORCkeParmFactory* ZORParmDictionary::GetVolatileFactory() {
  static ZORCkeParmFactory factory(nullptr);
  return &factory;
}

std::optional<ZORCkeParmFactory> ZORParmDictionary::GetFactory(ZORBaseUnknown* container) {
  ZORFeature* feature = ZORFeature::From(container);
  if (!feature || !feature->GetDocument()) return std::nullopt;
  return ZORCkeParmFactory(feature->GetDocument());
}
