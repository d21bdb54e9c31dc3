#include "ZORCkeParmFactory.h"

#include <cmath>

#include "ZORCkeTypeDictionary.h"
#include "ZORCkeVolatileParm.h"
#include "ZORDocument.h"
#include "ZORFeature.h"

ZORICkeParm_var ZORCkeParmFactory::Create(const ZORString& magnitude, const ZORUnicodeString& name,
                                          double value) {
  if (!ZORCkeTypeDictionary::FindType(magnitude) || name.str().empty() || !std::isfinite(value)) {
    return nullptr;
  }
  if (!document_) return ZORICkeParm_var(ZORMake<ZORCkeVolatileParm>(name, magnitude, value));
  ZORFeature_var parameter = document_->CreateParameter(name.str(), magnitude.str(), value);
  return ZORICkeParm_var(parameter);
}

ZORICkeParm_var ZORCkeParmFactory::InstanciateLitteral(const ZORString& magnitude,
                                                       const ZORUnicodeString& name) {
  return Create(magnitude, name, 0.0);
}

ZORICkeParm_var ZORCkeParmFactory::CreateLength(const ZORUnicodeString& name, double value) {
  return Create(ZORCkeTypeDictionary::GetLengthType().GetName(), name, value);
}

ZORICkeParm_var ZORCkeParmFactory::CreateAngle(const ZORUnicodeString& name, double value) {
  return Create(ZORCkeTypeDictionary::GetAngleType().GetName(), name, value);
}

ZORICkeParm_var ZORCkeParmFactory::CreateReal(const ZORUnicodeString& name, double value) {
  return Create(ZORCkeTypeDictionary::GetRealType().GetName(), name, value);
}
