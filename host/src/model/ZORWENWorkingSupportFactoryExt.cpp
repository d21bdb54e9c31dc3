#include "ZORWENWorkingSupportFactoryExt.h"

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORWENWorkingSupportFactoryExt", "ZORIWENWorkingSupportFactory",
                     ZORIWENWorkingSupportFactory::ClassIID(), "MechanicalPart",
                     &ZORExtensionCreator<ZORWENWorkingSupportFactoryExt>});
  return true;
}();

}  // namespace

ZORIWENWorkingSupportSet_var ZORWENWorkingSupportFactoryExt::GetWorkingSupportSet() {
  if (!ZORFaultGate::Pass("ZORIWENWorkingSupportFactory::GetWorkingSupportSet")) return nullptr;
  if (!set_) set_ = ZORMake<ZORWENWorkingSupportSet>(ZORFeature::From(GetExtendedObject()));
  return set_;
}
