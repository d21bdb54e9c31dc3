#include "ZORMuiShapeBodyServices.h"

#include "ZORMecModServices.h"

ZORISpecObject_var ZORMuiShapeBodyServices::GetShapeBodyFather(const ZORBaseUnknown_var& feature) {
  ZORISpecObject_var specObject(feature);
  for (ZORISpecObject_var father = specObject ? specObject->GetFather() : nullptr; father;
       father = father->GetFather()) {
    if (ZORMecModServices::IsShapeBody(father)) return father;
  }
  return nullptr;
}
