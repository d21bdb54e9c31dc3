#include "ZORWENUIFeatureAgent.h"

#include <algorithm>

#include "ZORCellBRep.h"
#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORFrmEditor.h"
#include "ZORInterfaceDictionary.h"
#include "ZORVisuHandle.h"

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
    : ZORFeatureImportAgent(name, behavior),
      filterFlags_(filterFlags),
      command_(command.get()),
      implicitSelection_(implicitSelectionMode),
      connexSelection_(connexSelectionMode),
      values_(ZORMake<ZORSO>()) {
  if (!typeName.str().empty()) AddOrderedElementType(typeName);
}

ZORWENUIFeatureAgent::ZORWENUIFeatureAgent(const ZORString& name, const ZORUnicodeString& undoTitle,
                                           int behavior, unsigned long filterFlags,
                                           const ZORBaseUnknown_var& command,
                                           int implicitSelectionMode, int connexSelectionMode,
                                           int contextualCreationMode)
    : ZORWENUIFeatureAgent(name, ZORString(), behavior, filterFlags, command, implicitSelectionMode,
                           connexSelectionMode) {
  undoTitle_ = undoTitle;
  contextualCreation_ = contextualCreationMode;
}

bool ZORWENUIFeatureAgent::IsSentByHandle(const ZORCommand* sender) {
  // Manipulators are known by name: the host's manipulators do not derive from the handles.
  return sender &&
         (sender->IsAKindOf(ZORVisuHandle::ClassName()) || sender->IsAKindOf("ZOR3DManipulator"));
}

ZORPathElement ZORWENUIFeatureAgent::GivePickPath(ZORBaseUnknown* feature) {
  ZORFeature* f = ZORFeature::From(feature);
  // Nothing to pick on a feature whose result is empty.
  if (!f || !f->GetDocument() || !f->GetResultBody() || !f->GetResultBody()->HasGeometry()) {
    return ZORPathElement();
  }
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
  if (auto* cell = dynamic_cast<ZORCell*>(impl)) return IsCellOfType(*cell, type, iid);
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

ZORPathElement ZORWENUIFeatureAgent::SearchSubPath(const ZORPathElement& path,
                                                   const ZORString& type) {
  const auto objects = path.GetObjects();
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (IsOfType(objects[i].get(), type)) {
      return ZORPathElement(
          std::vector<ZORBaseUnknown_var>(objects.begin(), objects.begin() + long(i) + 1));
    }
  }
  return ZORPathElement();
}

bool ZORWENUIFeatureAgent::IsCellOfType(const ZORCell& cell, const ZORString& type,
                                        const IID& iid) {
  // A picked cell is what its import makes: its geometry, as a BRep feature of its dimension.
  if (cell.GetGeometry() && cell.GetGeometry()->IsAKindOf(type.c_str())) return true;
  const char* brep = ZORCellBRep::TypeName(cell.GetDimension());
  const ZORFeatureType* brepType = ZORFeatureTypeRegistry::Get().Find(brep);
  return (brepType && brepType->Offers(iid)) ||
         ZORFeatureTypeRegistry::Get().IsSubTypeOf(brep, type.str());
}

bool ZORWENUIFeatureAgent::HasAcquisitionType(const ZORPathElement& path) const {
  if (types_.empty()) return true;
  // A picked cell is imported alone: the features above it do not count.
  const ZORBaseUnknown_var leaf = path.GetLeaf();
  if (leaf && dynamic_cast<ZORCell*>(leaf->GetImpl())) {
    return std::any_of(types_.begin(), types_.end(),
                       [&](const Acquisition& a) { return IsOfType(leaf.get(), a.type); });
  }
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
  Import(*checked);
  valueType_ = ZORString();
  Record();
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
  if (multi) {
    counts_.push_back(1);
  } else {
    counts_ = {1};
  }
  return true;
}

void ZORWENUIFeatureAgent::ReplaceValues(const std::vector<ZORPathElement>& paths) {
  RemoveFromHSO();
  values_ = ZORMake<ZORSO>();
  ZORHSO* hso = CurrentHSO();
  for (const ZORPathElement& path : paths) {
    values_->AddElement(path);
    if (hso) hso->AddElement(path);
  }
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
  ZORFeatureImportAgent::InitializeAcquisition();
  values_->Empty();
}

// ---------------------------------------------------------------- notifications

int ZORWENUIFeatureAgent::DecodeNotification(ZORCommand* sender, ZORNotification* notification) {
  if (!notification || IsSentByHandle(sender)) return 0;
  ZORBaseUnknown* sent = notification->GetSentObject();
  if (!ZORFeature::From(sent)) return 0;
  return TryValue(sent) ? 1 : 0;
}

bool ZORWENUIFeatureAgent::Accept(ZORCommand* sender, ZORNotification* notification) {
  if (ZORDialogAgent::Accept(sender, notification)) return true;
  return DecodeNotification(sender, notification) != 0;
}

// ---------------------------------------------------------------- valuations

bool ZORWENUIFeatureAgent::SetValue(const ZORPathElement& path, const ZORString& valueType) {
  if (!path.IsSet()) return false;
  ReplaceValues({path});
  Import(path);
  valueType_ = valueType;
  Record();
  Valuate(values_.get(), nullptr);
  return true;
}

void ZORWENUIFeatureAgent::Record() {
  history_.resize(static_cast<std::size_t>(index_));
  history_.push_back({values_->GetElements(), valueType_});
  index_ = static_cast<int>(history_.size());
  OnValuationRecorded(index_);
}

void ZORWENUIFeatureAgent::Restore(int index) {
  index_ = index;
  if (index == 0) {
    ReplaceValues({});
    valueType_ = ZORString();
  } else {
    const Valuation& v = history_[static_cast<std::size_t>(index - 1)];
    ReplaceValues(v.values);
    valueType_ = v.valueType;
  }
  // The last value's element, as the pick that gave it left it.
  Reselect(values_->GetSize() > 0 ? values_->GetElement(values_->GetSize()) : nullptr);
}

int ZORWENUIFeatureAgent::UndoValue() {
  if (index_ == 0) return 0;
  Restore(index_ - 1);
  return 1;
}

int ZORWENUIFeatureAgent::RedoValue() {
  if (index_ >= GetNumberOfValuations()) return 0;
  Restore(index_ + 1);
  return 1;
}
