#include "ZORWENIntegratedLawExt.h"

#include <string>
#include <vector>

#include "ZORCkeTypeDictionary.h"
#include "ZORDocument.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoUtilitiesLaw.h"
#include "ZORInterfaceDictionary.h"

namespace {

constexpr const char* kRoles[] = {"Start", "End"};

// The inputs of law point `index` (from 1).
std::string PointRole(int index) {
  return "Point" + std::to_string(index);
}
std::string ValueRole(int index) {
  return "Value" + std::to_string(index);
}

std::vector<std::string> IntegratedLawRoles() {
  std::vector<std::string> roles = {"Start", "End", "Law", "Support"};
  for (int i = 1; i <= ZORIWENIntegratedLaw::kMaxImplicitPoints; ++i) {
    roles.push_back(PointRole(i));
    roles.push_back(ValueRole(i));
  }
  return roles;
}

// How many law points `law` holds: its point inputs are numbered without gap.
int ImplicitPointCount(const ZORFeature& law) {
  int count = 0;
  while (count < ZORIWENIntegratedLaw::kMaxImplicitPoints && law.GetInput(PointRole(count + 1))) {
    ++count;
  }
  return count;
}

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
  ZORFeatureTypeRegistry::Get().Register({ZORWENIntegratedLawExt::kTypeName, "IntegratedLaw", "",
                                          IntegratedLawInterfaces(), IntegratedLawRoles(),
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
  if (GetLawType() == ZORWENImplicitLaw) return ImplicitLaw();
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

HRESULT ZORWENIntegratedLawExt::SetInterpolationMode(int mode) {
  ZORFeature* law = Law();
  if (!law || (mode != 1 && mode != 2)) return E_FAIL;
  law->SetValue("Interpolation", mode);
  return S_OK;
}

HRESULT ZORWENIntegratedLawExt::GetImplicitLawPoints(ZORListValZORISpecObject_var& points,
                                                     ZORListValZORISpecObject_var& parameters) {
  points.RemoveAll();
  parameters.RemoveAll();
  const ZORFeature* law = Law();
  if (!law) return E_FAIL;
  const int count = ImplicitPointCount(*law);
  for (int i = 1; i <= count; ++i) {
    points.Append(ZORISpecObject_var(static_cast<ZORBaseUnknown*>(law->GetInput(PointRole(i)))));
    parameters.Append(
        ZORISpecObject_var(static_cast<ZORBaseUnknown*>(law->GetInput(ValueRole(i)))));
  }
  return S_OK;
}

HRESULT ZORWENIntegratedLawExt::AddImplicitLawPoint(const ZORISpecObject_var& point, double value) {
  ZORFeature* law = Law();
  ZORFeature* target = ZORFeature::From(point.get());
  ZORDocument* document = law ? law->GetDocument() : nullptr;
  if (!document || !target || target->GetDocument() != document) return E_FAIL;
  const int count = ImplicitPointCount(*law);
  if (count >= kMaxImplicitPoints) return E_FAIL;
  for (int i = 1; i <= count; ++i) {
    if (law->GetInput(PointRole(i)) == target) return E_FAIL;
  }
  ZORFeature_var parameter = document->CreateParameter(
      "Value", ZORCkeTypeDictionary::GetLengthType().GetName().str(), value);
  if (!parameter) return E_FAIL;
  const int index = count + 1;
  if (FAILED(law->SetInput(PointRole(index), ZORBaseUnknown_var(target))) ||
      FAILED(law->SetInput(ValueRole(index), ZORBaseUnknown_var(parameter.get())))) {
    law->SetInput(PointRole(index), nullptr);
    parameter->remove();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT ZORWENIntegratedLawExt::RemoveImplicitLawPoint(int index) {
  ZORFeature* law = Law();
  if (!law) return E_FAIL;
  const int count = ImplicitPointCount(*law);
  if (index < 1 || index > count) return E_FAIL;
  ZORFeature_var parameter(law->GetInput(ValueRole(index)));
  for (int i = index; i < count; ++i) {
    law->SetInput(PointRole(i), ZORBaseUnknown_var(law->GetInput(PointRole(i + 1))));
    law->SetInput(ValueRole(i), ZORBaseUnknown_var(law->GetInput(ValueRole(i + 1))));
  }
  law->SetInput(PointRole(count), nullptr);
  law->SetInput(ValueRole(count), nullptr);
  // The parameter was made for this point alone.
  if (parameter) parameter->remove();
  return S_OK;
}

ZORLaw_var ZORWENIntegratedLawExt::ImplicitLaw() {
  std::vector<double> positions;
  ZORListValZORISpecObject_var points, parameters;
  if (FAILED(ZORGmoUtilitiesLaw::GetImplicitLawPositions(this, positions)) ||
      FAILED(GetImplicitLawPoints(points, parameters))) {
    return nullptr;
  }
  std::vector<std::pair<double, double>> values;
  for (int i = 1; i <= parameters.Size(); ++i) {
    const ZORICkeParm_var parameter{ZORBaseUnknown_var(parameters[i].get())};
    if (!parameter) return nullptr;
    values.emplace_back(positions[static_cast<std::size_t>(i - 1)], parameter->GetStoredValue());
  }
  const auto interpolation =
      GetInterpolationMode() == 2 ? ZORLaw::Interpolation::kCubic : ZORLaw::Interpolation::kLinear;
  ZORLaw_var law = ZORLaw::MakeImplicit(std::move(values), interpolation);
  return GetInversion() ? ZORLaw::MakeInverted(law) : law;
}
