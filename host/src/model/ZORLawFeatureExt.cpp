#include "ZORLawFeatureExt.h"

#include "ZORFeatureTypeRegistry.h"
#include "ZORInterfaceDictionary.h"
#include "ZORMfErrUpdate.h"
#include "ZORProtectedSection.h"

namespace {

std::vector<IID> LawInterfaces() {
  return {ZORISpecObject::ClassIID(),     ZORIModelEvents::ClassIID(),
          ZORIPathAccess::ClassIID(),     LifeCycleObject::ClassIID(),
          ZORISpecAttrAccess::ClassIID(), ZORISpecScan::ClassIID(),
          ZORINavigateObject::ClassIID(), ZORIUpdateError::ClassIID()};
}

int KindOf(const ZORFeature& f) {
  return static_cast<int>(f.GetValue("Kind", ZORWENLinearLaw));
}

bool ComputeWENLaw(const ZORFeature& f, ZORBody_var&, std::string& diagnostic) {
  if (ZORLawFeatureExt::LawOf(f)) return true;
  diagnostic = "The law " + f.GetDisplayNameText() + " has no valid kind or values";
  return false;
}

const bool registered = [] {
  ZORFeatureTypeRegistry::Get().Register(
      {ZORLawFeatureExt::kWENLawType, "Law", "", LawInterfaces(), {}, ComputeWENLaw});
  ZORFeatureTypeRegistry::Get().Register(
      {ZORLawFeatureExt::kCkeLawType, "Formula", "", LawInterfaces(), {}, ComputeWENLaw});
  ZORFillDictionary({"ZORLawFeatureExt", "ZORICkeLaw", ZORICkeLaw::ClassIID(),
                     ZORLawFeatureExt::kWENLawType, &ZORExtensionCreator<ZORLawFeatureExt>});
  ZORFillDictionary({"ZORLawFeatureExt", "ZORIWENLaw", ZORIWENLaw::ClassIID(),
                     ZORLawFeatureExt::kWENLawType, &ZORExtensionCreator<ZORLawFeatureExt>});
  ZORFillDictionary({"ZORLawFeatureExt", "ZORICkeLaw", ZORICkeLaw::ClassIID(),
                     ZORLawFeatureExt::kCkeLawType, &ZORExtensionCreator<ZORLawFeatureExt>});
  return true;
}();

}  // namespace

ZORLaw_var ZORLawFeatureExt::LawOf(const ZORFeature& f) {
  if (f.GetFeatureType().GetName() == kCkeLawType) {
    return ZORLaw::MakeSine(f.GetValue("Offset"), f.GetValue("Amplitude"),
                            f.GetValue("Periods", 1.0));
  }
  if (f.GetFeatureType().GetName() != kWENLawType) return nullptr;
  const double start = f.GetValue("Start");
  switch (KindOf(f)) {
    case ZORWENConstantLaw:
      return ZORLaw::MakeConstant(start);
    case ZORWENLinearLaw:
      return ZORLaw::MakeLinear(start, f.GetValue("End"));
    case ZORWENSTypeLaw:
      return ZORLaw::MakeSType(start, f.GetValue("End"));
    default:
      return nullptr;
  }
}

bool ZORLawFeatureExt::RaiseIfInError(const ZORFeature& f) {
  ZORIUpdateError_var updateError(static_cast<ZORBaseUnknown*>(const_cast<ZORFeature*>(&f)));
  ZORVar<ZORMfErrUpdate> error = updateError ? updateError->GetUpdateError() : nullptr;
  if (!error) return false;
  if (ZORFaultGate::ProtectionDepth() > 0) ZORRaise(error->CloneSelf());
  return true;
}

ZORLaw_var ZORLawFeatureExt::GetEvaluableLaw() {
  const ZORFeature* f = ZORFeature::From(GetExtendedObject());
  if (!f || RaiseIfInError(*f)) return nullptr;
  return LawOf(*f);
}

ZORWENBasicLawType ZORLawFeatureExt::GetBasicLawType() {
  const ZORFeature* f = ZORFeature::From(GetExtendedObject());
  return f ? static_cast<ZORWENBasicLawType>(KindOf(*f)) : ZORWENLinearLaw;
}
