#include "ZORWENIntegratedLawExt.h"

#include "ZORCkeTypeDictionary.h"
#include "ZORDocument.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoUtilitiesLaw.h"
#include "ZORInterfaceDictionary.h"

namespace {

constexpr const char* kRoles[] = {"Start", "End"};

std::vector<IID> IntegratedLawInterfaces() {
  // Shown in the tree (visual properties), so that a command can place it.
  return {ZORISpecObject::ClassIID(),  ZORIVisProperties::ClassIID(),
          ZORIModelEvents::ClassIID(), ZORIPathAccess::ClassIID(),
          LifeCycleObject::ClassIID(), ZORISpecAttrAccess::ClassIID(),
          ZORISpecScan::ClassIID(),    ZORINavigateObject::ClassIID(),
          ZORIUpdateError::ClassIID(), ZORIMechanicalFeature::ClassIID()};
}

bool ComputeIntegratedLaw(const ZORFeature& f, ZORBody_var&, std::string& diagnostic) {
  if (static_cast<int>(f.GetValue("LawType", ZORWENLinearLaw)) == ZORWENAdvancedLaw &&
      !f.GetInput("Law")) {
    diagnostic = "The advanced law of " + f.GetDisplayNameText() + " has no law feature";
    return false;
  }
  return true;
}

const bool registered = [] {
  ZORFeatureTypeRegistry::Get().Register({ZORWENIntegratedLawExt::kTypeName,
                                          "IntegratedLaw",
                                          "",
                                          IntegratedLawInterfaces(),
                                          {"Start", "End", "Law", "Support"},
                                          ComputeIntegratedLaw});
  ZORFillDictionary({"ZORWENIntegratedLawExt", "ZORIWENIntegratedLaw",
                     ZORIWENIntegratedLaw::ClassIID(), ZORWENIntegratedLawExt::kTypeName,
                     &ZORExtensionCreator<ZORWENIntegratedLawExt>});
  return true;
}();

bool IsLawType(int type) {
  return type >= ZORWENConstantLaw && type <= ZORWENImplicitLaw;
}

HRESULT LinkInput(ZORFeature* law, const char* role, ZORBaseUnknown* target) {
  if (!law) return E_FAIL;
  return law->SetInput(role, ZORBaseUnknown_var(target));
}

}  // namespace

ZORLaw_var ZORWENIntegratedLawExt::GetEvaluableLaw() {
  ZORICkeParm_var start, end;
  if (FAILED(GetLiterals(start, end))) return nullptr;
  return ZORGmoUtilitiesLaw::ComputeZORLaw(nullptr, GetAdvancedLaw(), GetLawType(), start, end,
                                           GetInversion());
}

ZORWENBasicLawType ZORWENIntegratedLawExt::GetLawType() {
  const ZORFeature* law = Law();
  const int type = law ? static_cast<int>(law->GetValue("LawType", ZORWENLinearLaw)) : 0;
  return IsLawType(type) ? static_cast<ZORWENBasicLawType>(type) : ZORWENLinearLaw;
}

HRESULT ZORWENIntegratedLawExt::SetLawType(ZORWENBasicLawType type) {
  ZORFeature* law = Law();
  if (!law || !IsLawType(type)) return E_FAIL;
  law->SetValue("LawType", type);
  return S_OK;
}

int ZORWENIntegratedLawExt::GetInversion() {
  const ZORFeature* law = Law();
  return law && law->GetValue("Inverted") != 0.0 ? 1 : 0;
}

HRESULT ZORWENIntegratedLawExt::SetInversion(int inversion) {
  ZORFeature* law = Law();
  if (!law) return E_FAIL;
  law->SetValue("Inverted", inversion ? 1.0 : 0.0);
  return S_OK;
}

ZORICkeLaw_var ZORWENIntegratedLawExt::GetAdvancedLaw() {
  const ZORFeature* law = Law();
  ZORFeature* input = law ? law->GetInput("Law") : nullptr;
  return input ? ZORICkeLaw_var(static_cast<ZORBaseUnknown*>(input)) : nullptr;
}

HRESULT ZORWENIntegratedLawExt::SetAdvancedLaw(const ZORICkeLaw_var& advanced) {
  return LinkInput(Law(), "Law", advanced.get());
}

HRESULT ZORWENIntegratedLawExt::GetLiterals(ZORICkeParm_var& start, ZORICkeParm_var& end) {
  ZORFeature* law = Law();
  ZORDocument* document = law ? law->GetDocument() : nullptr;
  if (!document) return E_FAIL;
  for (const char* role : kRoles) {
    if (law->GetInput(role)) continue;
    ZORFeature_var parameter =
        document->CreateParameter(role, ZORCkeTypeDictionary::GetLengthType().GetName().str(), 0.0);
    if (!parameter || FAILED(law->SetInput(role, ZORBaseUnknown_var(parameter.get())))) {
      return E_FAIL;
    }
  }
  start = ZORICkeParm_var(static_cast<ZORBaseUnknown*>(law->GetInput("Start")));
  end = ZORICkeParm_var(static_cast<ZORBaseUnknown*>(law->GetInput("End")));
  return start && end ? S_OK : E_FAIL;
}

int ZORWENIntegratedLawExt::GetInterpolationMode() {
  const ZORFeature* law = Law();
  return law && law->GetValue("Interpolation", 1.0) == 2.0 ? 2 : 1;
}

ZORISpecObject_var ZORWENIntegratedLawExt::GetSupport() {
  const ZORFeature* law = Law();
  ZORFeature* support = law ? law->GetInput("Support") : nullptr;
  return support ? ZORISpecObject_var(static_cast<ZORBaseUnknown*>(support)) : nullptr;
}

HRESULT ZORWENIntegratedLawExt::SetSupport(const ZORISpecObject_var& support) {
  return LinkInput(Law(), "Support", support.get());
}
