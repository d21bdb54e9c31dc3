#include "ZORBRepAccessExt.h"

#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"
#include "ZORMuiShapeBodyServices.h"
#include "ZORSpecObjectOf.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORBRepAccessExt", "ZORIBRepAccess", ZORIBRepAccess::ClassIID(),
                     "BRepFeature", &ZORExtensionCreator<ZORBRepAccessExt>});
  return true;
}();

}  // namespace

ZORISpecObject_var ZORBRepAccessExt::GetSupportFeature() {
  const ZORFeature* brep = GetFeature();
  return brep ? ZORSpecObjectOf(brep->GetInput("Support")) : nullptr;
}

ZORISpecObject_var ZORBRepAccessExt::GetShapeFeatureBody() {
  ZORISpecObject_var support = GetSupportFeature();
  return support ? ZORMuiShapeBodyServices::GetShapeBodyFather(support) : nullptr;
}
