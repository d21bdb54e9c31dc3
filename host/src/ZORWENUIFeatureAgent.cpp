#include "ZORWENUIFeatureAgent.h"

#include <algorithm>

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORFrmEditor.h"
#include "ZORInterfaceDictionary.h"

namespace {

ZORHSO* CurrentHSO() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? editor->GetHSO() : nullptr;
}

}  // namespace

ZORWENUIFeatureAgent::ZORWENUIFeatureAgent(const ZORString& name, const ZORString& typeName,
                                           int behavior, unsigned long filterFlags,
                                           const ZORBaseUnknown_var& command,
                                           int implicitSelectionMode, int connexSelectionMode)
    : ZORDialogAgent(name, behavior),
      filterFlags_(filterFlags),
      command_(command.get()),
      implicitSelection_(implicitSelectionMode),
      connexSelection_(connexSelectionMode),
      values_(ZORMake<ZORSO>()) {
  if (!typeName.str().empty()) AddOrderedElementType(typeName);
}

ZORPathElement ZORWENUIFeatureAgent::GivePickPath(ZORBaseUnknown* feature) {
  ZORFeature* f = ZORFeature::From(feature);
  if (!f || !f->GetDocument() || !f->GetResultBody()) return ZORPathElement();
  ZORPathElement path = f->GetDocument()->GivePathElementFrom(ZORBaseUnknown_var(f));
  if (!path.IsSet()) return path;
  path.AddChildElement(f->GetResultBody());
  return path;
}

// ---------------------------------------------------------------- ordered acquisition

std::vector<ZORString> ZORWENUIFeatureAgent::GetOrderedTypeList() const {
  std::vector<ZORString> types;
  types.reserve(types_.size());
  for (const Acquisition& a : types_) types.push_back(a.type);
  return types;
}

void ZORWENUIFeatureAgent::AddOrderedElementType(const ZORString& type, unsigned long flags,
                                                 unsigned long filter) {
  auto listed = [&](const Acquisition& a) { return a.type == type; };
  if (type.str().empty() || std::any_of(types_.begin(), types_.end(), listed)) return;
  types_.push_back({type, flags, filter});
}

bool ZORWENUIFeatureAgent::InsertOrderedElementType(const ZORString& type,
                                                    const ZORString& before) {
  auto it = std::find_if(types_.begin(), types_.end(),
                         [&](const Acquisition& a) { return a.type == before; });
  if (it == types_.end()) {
    AddOrderedElementType(type);
    return false;
  }
  std::erase_if(types_, [&](const Acquisition& a) { return a.type == type; });
  it = std::find_if(types_.begin(), types_.end(),
                    [&](const Acquisition& a) { return a.type == before; });
  types_.insert(it, {type, 0, kDefaultAcquisitionFilter});
  return true;
}

void ZORWENUIFeatureAgent::AddOrderedPointAcquisition(unsigned long flags, unsigned long filter) {
  AddOrderedElementType(ZORString("ZORIMfPoint"), flags, filter);
}

void ZORWENUIFeatureAgent::AddOrderedLineAcquisition(unsigned long flags, unsigned long filter) {
  AddOrderedElementType(ZORString("ZORIMfLine"), flags, filter);
}

void ZORWENUIFeatureAgent::AddOrderedPlaneAcquisition(unsigned long flags, unsigned long filter) {
  AddOrderedElementType(ZORString("ZORIMfPlane"), flags, filter);
}

bool ZORWENUIFeatureAgent::IsOfType(ZORBaseUnknown* object, const ZORString& type) {
  if (!object) return false;
  ZORBaseUnknown* impl = object->GetImpl();
  if (impl->IsAKindOf(type.c_str())) return true;
  // An interface: one the feature's type lists, or one an extension gives the object.
  const IID iid = ZORMakeGUID(type.str());
  ZORFeature* feature = ZORFeature::From(impl);
  if (feature && feature->GetFeatureType().Offers(iid)) return true;
  if (ZORLookupDictionary(impl->GetLateType(), iid)) return true;
  for (const ZORMetaObject* m = impl->GetMetaObject(); m; m = m->GetBase()) {
    if (ZORLookupDictionary(m->ClassName(), iid)) return true;
  }
  // A feature type.
  return feature &&
         ZORFeatureTypeRegistry::Get().IsSubTypeOf(feature->GetFeatureType().GetName(), type.str());
}

bool ZORWENUIFeatureAgent::HasAcquisitionType(const ZORPathElement& path) const {
  if (types_.empty()) return true;
  for (const Acquisition& a : types_) {
    for (const ZORBaseUnknown_var& object : path.GetObjects()) {
      if (IsOfType(object.get(), a.type)) return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------- acquisition

ZORPathElement* ZORWENUIFeatureAgent::PrecheckPath(ZORPathElement* path) {
  if (!path || !path->IsSet()) return nullptr;
  if (!HasAcquisitionType(*path)) return nullptr;
  return ExtraCheckPath(path, 0) ? path : nullptr;
}

bool ZORWENUIFeatureAgent::ExtraCheckPath(ZORPathElement*, int) {
  return true;
}

bool ZORWENUIFeatureAgent::TryValue(const ZORPathElement& path) {
  if (!ZORFaultGate::Pass("ZORWENUIFeatureAgent::TryValue")) return false;
  ZORPathElement candidate = path;
  const ZORPathElement* checked = PrecheckPath(&candidate);
  if (!checked) return false;
  if (!PassesFilter()) return false;
  if (!Keep(*checked)) return false;
  Valuate(values_.get(), nullptr);
  return true;
}

bool ZORWENUIFeatureAgent::TryValue(ZORBaseUnknown* value) {
  const ZORPathElement path = GivePickPath(value);
  return path.IsSet() && TryValue(path);
}

bool ZORWENUIFeatureAgent::Keep(const ZORPathElement& path) {
  const bool multi = (GetBehavior() & kMultiAcquisition) != 0;
  if (multi) {
    if (FAILED(values_->AddElement(path))) return false;
  } else {
    // The new value replaces the old ones only once it is in.
    auto fresh = ZORMake<ZORSO>();
    if (FAILED(fresh->AddElement(path))) return false;
    RemoveFromHSO();
    values_ = fresh;
  }
  if (ZORHSO* hso = CurrentHSO()) hso->AddElement(path);
  return true;
}

ZORSO* ZORWENUIFeatureAgent::GetListOfValues() {
  return values_.get();
}

const ZORPathElement* ZORWENUIFeatureAgent::GetValuePath() const {
  return values_->GetSize() > 0 ? values_->GetElement(1) : nullptr;
}

void ZORWENUIFeatureAgent::RemoveFromHSO() {
  ZORHSO* hso = CurrentHSO();
  if (!hso) return;
  for (const ZORPathElement& path : values_->GetElements()) hso->RemoveElement(path);
}

void ZORWENUIFeatureAgent::InitializeAcquisition() {
  ZORDialogAgent::InitializeAcquisition();
  values_->Empty();
  feature_ = nullptr;
  geometricType_ = NoGeometricType;
}
