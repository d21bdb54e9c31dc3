#include "ZORCkeTypeDictionary.h"

const ZORCkeType& ZORCkeTypeDictionary::GetLengthType() {
  static const ZORCkeType type("Longueur", "mm");
  return type;
}

const ZORCkeType& ZORCkeTypeDictionary::GetAngleType() {
  static const ZORCkeType type("Angle", "deg");
  return type;
}

const ZORCkeType& ZORCkeTypeDictionary::GetRealType() {
  static const ZORCkeType type("Real", "");
  return type;
}

const ZORCkeType* ZORCkeTypeDictionary::FindType(const ZORString& magnitude) {
  for (const ZORCkeType* type : {&GetLengthType(), &GetAngleType(), &GetRealType()}) {
    if (type->GetName() == magnitude) return type;
  }
  return nullptr;
}
