#include "ZORSpecImportManagerExt.h"

#include <algorithm>

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORSpecImportManagerExt", "ZORISpecImportManager",
                     ZORISpecImportManager::ClassIID(), "MechanicalPart",
                     &ZORExtensionCreator<ZORSpecImportManagerExt>});
  return true;
}();

// Whether `object` comes before `other` among the children of `father`.
bool ComesBefore(const ZORBaseUnknown_var& father, const ZORBaseUnknown_var& object,
                 const ZORBaseUnknown_var& other) {
  ZORIDescendants_var children(father);
  if (!children) return false;
  const int position = children->GetPosition(ZORISpecObject_var(object));
  const int otherPosition = children->GetPosition(ZORISpecObject_var(other));
  return position > 0 && otherPosition > 0 && position < otherPosition;
}

}  // namespace

bool ZORSpecImportManagerExt::StartsAtMyPart(const ZORPathElement& path) const {
  return path.IsSet() && ZORIsSameObject(path.GetObject(1).get(), GetExtendedObject());
}

HRESULT ZORSpecImportManagerExt::BuildPath(const ZORISpecObject_var& feature,
                                           const ZORPathElement& from, ZORPathElement& path) {
  path = ZORPathElement();
  if (!ZORFaultGate::Pass("ZORISpecImportManager::BuildPath")) return E_FAIL;
  if (from.IsSet() && !StartsAtMyPart(from)) return E_FAIL;
  const ZORFeature* part = ZORFeature::From(GetExtendedObject());
  const ZORFeature* f = ZORFeature::From(feature.get());
  if (!part || !f || !part->GetDocument() || f->GetDocument() != part->GetDocument()) {
    return E_FAIL;
  }
  ZORPathElement built = part->GetDocument()->GivePathElementFrom(feature);
  if (!StartsAtMyPart(built)) return E_FAIL;
  path = std::move(built);
  return S_OK;
}

HRESULT ZORSpecImportManagerExt::CheckLinearity(const ZORPathElement& path,
                                                const ZORPathElement& from) {
  if (!ZORFaultGate::Pass("ZORISpecImportManager::CheckLinearity")) return E_FAIL;
  if (!StartsAtMyPart(path)) return E_FAIL;
  if (!from.IsSet()) return S_OK;
  if (!StartsAtMyPart(from)) return E_FAIL;
  if (from.GetSize() == 1) return S_OK;
  const auto& used = path.GetObjects();
  const auto& edited = from.GetObjects();
  const auto [u, e] = std::mismatch(used.begin(), used.end(), edited.begin(), edited.end());
  // Inside the edited object (not the object itself, which cannot use itself).
  if (e == edited.end()) return u == used.end() ? E_FAIL : S_OK;
  // One of the fathers of the edited object.
  if (u == used.end()) return E_FAIL;
  return ComesBefore(*(u - 1), *u, *e) ? S_OK : E_FAIL;
}
