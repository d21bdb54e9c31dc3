#include "ZORWENWorkingSupportFactoryExt.h"

#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORWENWorkingSupportFactoryExt", "ZORIWENWorkingSupportFactory",
                     ZORIWENWorkingSupportFactory::ClassIID(), "MechanicalPart",
                     &ZORExtensionCreator<ZORWENWorkingSupportFactoryExt>});
  ZORFillDictionary({"ZORWENWorkingSupportFactoryExt", "ZORIWENSection", ZORIWENSection::ClassIID(),
                     "MechanicalPart", &ZORExtensionCreator<ZORWENWorkingSupportFactoryExt>});
  return true;
}();

}  // namespace

ZORIWENWorkingSupportSet_var ZORWENWorkingSupportFactoryExt::GetWorkingSupportSet() {
  if (!ZORFaultGate::Pass("ZORIWENWorkingSupportFactory::GetWorkingSupportSet")) return nullptr;
  if (!set_) set_ = ZORMake<ZORWENWorkingSupportSet>(ZORFeature::From(GetExtendedObject()));
  return set_;
}

ZORISpecObject_var ZORWENWorkingSupportFactoryExt::GetSupportFeature() {
  // Each dictionary entry extends the part with its own instance: the set is the factory's.
  const ZORIWENWorkingSupportFactory_var factory(GetExtendedObject());
  const ZORIWENWorkingSupportSet_var set = factory ? factory->GetWorkingSupportSet() : nullptr;
  const ZORIWENWorkingSupport_var current = set ? set->GetCurrentWorkingSupport() : nullptr;
  return current ? current->GetSupport() : nullptr;
}
