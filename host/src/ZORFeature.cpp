#include "ZORFeature.h"

#include <algorithm>
#include <unordered_set>

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORProtectedSection.h"
#include "ZORUpdateEngine.h"

ZORFeature::ZORFeature(const ZORFeatureType& type, ZORDocument& document, unsigned long serial)
    : type_(&type), document_(&document), serial_(serial) {
  SetLateType(type.GetName());
}

ZORFeature::~ZORFeature() {
  // Children held elsewhere must not point at a father that is gone.
  for (auto& child : state_.children) {
    if (child->state_.father == this) child->state_.father = nullptr;
  }
  for (auto& input : state_.inputs) {
    if (input.target) input.target->UnlinkUser(*this);
  }
  if (document_) document_->Forget(this);
}

template <class... Interfaces>
bool ZORFeature::AnswerFor(const IID& iid, void** out) {
  return ((iid == Interfaces::ClassIID() ? (*out = static_cast<Interfaces*>(this), AddRef(), true)
                                         : false) ||
          ...);
}

HRESULT ZORFeature::QueryInterface(const IID& iid, void** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  if (Offers(iid) &&
      AnswerFor<ZORISpecObject, ZORIDescendants, ZORIPrtPart, ZORIPrtContainer, ZORIBasicTool,
                LifeCycleObject, ZORIUpdateError, ZORIVisProperties, ZORIGraphicProperties,
                ZORIPointGraphicProperties, ZORILineicGraphicProperties, ZORIMeshGraphicProperties,
                ZORIModelEvents, ZORIPathAccess, ZORIMfPoint, ZORIMfLine, ZORIMfPlane>(iid, out)) {
    return S_OK;
  }
  // What the type does not list may still come from an extension of the late type.
  return ZORBaseUnknown::QueryInterface(iid, out);
}

bool ZORFeature::Offers(const IID& iid) const {
  return type_->Offers(iid);
}

ZORFeature* ZORFeature::From(ZORBaseUnknown* object) {
  return object ? dynamic_cast<ZORFeature*>(object->GetImpl()) : nullptr;
}

// ---------------------------------------------------------------- values, inputs, users

void ZORFeature::SetValue(const std::string& name, double value) {
  state_.values[name] = value;
  MarkOutOfDate();
}

double ZORFeature::GetValue(const std::string& name, double fallback) const {
  auto it = state_.values.find(name);
  return it == state_.values.end() ? fallback : it->second;
}

HRESULT ZORFeature::SetInput(const std::string& role, const ZORBaseUnknown_var& target) {
  if (!ZORFaultGate::Pass("ZORFeature::SetInput")) return E_FAIL;
  if (!type_->HasInputRole(role)) return E_INVALIDARG;
  ZORFeature* targetFeature = From(target.get());
  if (target && !targetFeature) return E_FAIL;
  if (targetFeature && (targetFeature->document_ != document_ || !targetFeature->IsInDocument() ||
                        IsUsedBy(*targetFeature))) {
    return E_FAIL;
  }
  auto& inputs = state_.inputs;
  auto it =
      std::find_if(inputs.begin(), inputs.end(), [&](const auto& i) { return i.role == role; });
  if (it != inputs.end()) {
    it->target->UnlinkUser(*this);
    inputs.erase(it);
  }
  if (targetFeature) {
    inputs.push_back({role, ZORFeature_var(targetFeature)});
    targetFeature->LinkUser(*this);
    // Keep the type's role order, so that dumps and input lists read the same way.
    const auto& roles = type_->GetInputRoles();
    auto rank = [&](const auto& i) {
      return std::find(roles.begin(), roles.end(), i.role) - roles.begin();
    };
    std::stable_sort(inputs.begin(), inputs.end(),
                     [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
  }
  MarkOutOfDate();
  return S_OK;
}

ZORFeature* ZORFeature::GetInput(const std::string& role) const {
  for (const auto& input : state_.inputs) {
    if (input.role == role) return input.target.get();
  }
  return nullptr;
}

std::vector<std::pair<std::string, ZORFeature*>> ZORFeature::GetInputs() const {
  std::vector<std::pair<std::string, ZORFeature*>> inputs;
  for (const auto& input : state_.inputs) inputs.emplace_back(input.role, input.target.get());
  return inputs;
}

std::vector<ZORFeature*> ZORFeature::GetUsers() const {
  std::vector<ZORFeature*> users;
  users.reserve(users_.size());
  for (const auto& [user, count] : users_) users.push_back(user);
  std::sort(users.begin(), users.end(),
            [](const ZORFeature* a, const ZORFeature* b) { return a->serial_ < b->serial_; });
  return users;
}

bool ZORFeature::IsUsedBy(const ZORFeature& other) const {
  std::vector<const ZORFeature*> pending{&other};
  std::unordered_set<const ZORFeature*> seen{&other};
  while (!pending.empty()) {
    const ZORFeature* f = pending.back();
    pending.pop_back();
    if (f == this) return true;
    for (const auto& input : f->state_.inputs) {
      if (seen.insert(input.target.get()).second) pending.push_back(input.target.get());
    }
  }
  return false;
}

void ZORFeature::MarkOutOfDate() {
  std::vector<ZORFeature*> pending{this};
  std::unordered_set<ZORFeature*> seen{this};
  while (!pending.empty()) {
    ZORFeature* f = pending.back();
    pending.pop_back();
    f->state_.upToDate = false;
    for (const auto& [user, count] : f->users_) {
      if (seen.insert(user).second) pending.push_back(user);
    }
  }
}

void ZORFeature::LinkUser(ZORFeature& user) {
  ++users_[&user];
}

void ZORFeature::UnlinkUser(ZORFeature& user) {
  auto it = users_.find(&user);
  if (it != users_.end() && --it->second == 0) users_.erase(it);
}

// ---------------------------------------------------------------- ZORISpecObject

ZORISpecObject_var ZORFeature::GetFather() {
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(state_.father));
}

int ZORFeature::IsSubTypeOf(const char* typeName) {
  return typeName && ZORFeatureTypeRegistry::Get().IsSubTypeOf(type_->GetName(), typeName);
}

HRESULT ZORFeature::Update() {
  if (!ZORFaultGate::Pass("ZORFeature::Update")) return E_FAIL;
  ZORFeature_var self(this);
  if (ZORUpdateEngine::Update(*this)) return S_OK;
  ZORFeature* failed = ZORUpdateEngine::FirstFailure(*this);
  if (failed && failed->state_.error && ZORFaultGate::ProtectionDepth() > 0) {
    ZORRaise(failed->state_.error->CloneSelf());
  }
  return E_FAIL;
}

int ZORFeature::IsUpToDate() {
  if (!state_.upToDate) return 0;
  for (const auto& child : state_.children) {
    if (!child->IsUpToDate()) return 0;
  }
  return 1;
}

ZORBaseUnknown_var ZORFeature::GetFeatContainer() {
  return document_ ? ZORBaseUnknown_var(document_->GetContainer()) : nullptr;
}

ZORIPrtPart_var ZORFeature::GetPart() {
  return document_ ? ZORIPrtPart_var(static_cast<ZORBaseUnknown*>(document_->GetPart())) : nullptr;
}

// ---------------------------------------------------------------- tree

void ZORFeature::Attach(ZORFeature& child, std::size_t index) {
  index = std::min(index, state_.children.size());
  child.state_.father = this;
  state_.children.insert(state_.children.begin() + static_cast<std::ptrdiff_t>(index),
                         ZORFeature_var(&child));
  ChildrenChanged();
}

void ZORFeature::Detach(ZORFeature& child) {
  ZORFeature_var keep(&child);  // the children list may hold the last reference
  const int position = PositionOf(&child);
  if (position == 0) return;
  state_.children.erase(state_.children.begin() + (position - 1));
  child.state_.father = nullptr;
  ChildrenChanged();
}

HRESULT ZORFeature::CheckNewChild(ZORFeature* child) const {
  if (!child || child == this || !IsInDocument()) return E_FAIL;
  if (child->document_ != document_ || !child->IsInDocument()) return E_FAIL;
  if (child->Offers(ZORIPrtPart::ClassIID())) return E_FAIL;
  for (const ZORFeature* f = state_.father; f; f = f->state_.father) {
    if (f == child) return E_FAIL;
  }
  return S_OK;
}

ZORISpecObject_var ZORFeature::GetChildAtPosition(int position) {
  if (position < 1 || position > GetNumberOfChildren()) return nullptr;
  ZORFeature* child = state_.children[static_cast<std::size_t>(position - 1)].get();
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(child));
}

int ZORFeature::GetPosition(const ZORISpecObject_var& child) {
  return PositionOf(From(child.get()));
}

int ZORFeature::PositionOf(const ZORFeature* f) const {
  if (!f || f->state_.father != this) return 0;
  if (!childIndexValid_) {
    childIndex_.clear();
    for (std::size_t i = 0; i < state_.children.size(); ++i) {
      childIndex_[state_.children[i].get()] = i;
    }
    childIndexValid_ = true;
  }
  auto it = childIndex_.find(f);
  return it == childIndex_.end() ? 0 : static_cast<int>(it->second) + 1;
}

void ZORFeature::GetDirectChildren(ZORListValZORISpecObject_var& children) {
  for (int i = 1; i <= GetNumberOfChildren(); ++i) children.Append(GetChildAtPosition(i));
}

HRESULT ZORFeature::AddChild(const ZORISpecObject_var& child, int position) {
  if (!ZORFaultGate::Pass("ZORFeature::AddChild")) return E_FAIL;
  ZORFeature* f = From(child.get());
  if (FAILED(CheckNewChild(f))) return E_FAIL;
  ZORFeature_var keep(f);
  const int count = GetNumberOfChildren() - (f->state_.father == this ? 1 : 0);
  if (position < 0 || position > count + 1) return E_INVALIDARG;
  if (f->state_.father) f->state_.father->Detach(*f);
  Attach(*f, position == 0 ? state_.children.size() : static_cast<std::size_t>(position - 1));
  return S_OK;
}

HRESULT ZORFeature::RemoveChild(const ZORISpecObject_var& child) {
  if (!ZORFaultGate::Pass("ZORFeature::RemoveChild")) return E_FAIL;
  ZORFeature* f = From(child.get());
  if (!f || f->state_.father != this) return E_FAIL;
  Detach(*f);
  return S_OK;
}

HRESULT ZORFeature::RemoveChildAtPosition(int position) {
  if (!ZORFaultGate::Pass("ZORFeature::RemoveChildAtPosition")) return E_FAIL;
  if (position < 1 || position > GetNumberOfChildren()) return E_INVALIDARG;
  Detach(*state_.children[static_cast<std::size_t>(position - 1)]);
  return S_OK;
}

HRESULT ZORFeature::ReplaceChild(const ZORISpecObject_var& oldChild,
                                 const ZORISpecObject_var& newChild) {
  if (!ZORFaultGate::Pass("ZORFeature::ReplaceChild")) return E_FAIL;
  ZORFeature* oldF = From(oldChild.get());
  ZORFeature* newF = From(newChild.get());
  if (!oldF || oldF->state_.father != this || oldF == newF) return E_FAIL;
  if (FAILED(CheckNewChild(newF))) return E_FAIL;
  ZORFeature_var keepNew(newF);
  if (newF->state_.father) newF->state_.father->Detach(*newF);
  const int position = PositionOf(oldF);
  Detach(*oldF);
  Attach(*newF, static_cast<std::size_t>(position - 1));
  return S_OK;
}

int ZORFeature::IsDescendant(const ZORBaseUnknown_var& object) {
  const ZORFeature* f = From(object.get());
  for (const ZORFeature* up = f ? f->state_.father : nullptr; up; up = up->state_.father) {
    if (up == this) return 1;
  }
  return 0;
}

void ZORFeature::CollectSubtree(std::vector<ZORFeature*>& subtree) {
  subtree.push_back(this);
  for (auto& child : state_.children) child->CollectSubtree(subtree);
}

// ---------------------------------------------------------------- removal

HRESULT ZORFeature::remove(int) {
  if (!ZORFaultGate::Pass("LifeCycleObject::remove")) return E_FAIL;
  if (!IsInDocument() || this == document_->GetPart()) return E_FAIL;
  ZORFeature_var self(this);
  if (state_.father) state_.father->Detach(*this);
  std::vector<ZORFeature*> subtree;
  CollectSubtree(subtree);
  for (ZORFeature* f : subtree) {
    f->state_.inDocument = false;
    // Users keep their link and learn that their input is gone at their next update.
    f->MarkOutOfDate();
    for (auto& input : f->state_.inputs) input.target->UnlinkUser(*f);
  }
  document_->DropRemoved();
  return S_OK;
}

// ---------------------------------------------------------------- update error

HRESULT ZORFeature::SetUpdateError(ZORMfErrUpdate* error) {
  if (!ZORFaultGate::Pass("ZORFeature::SetUpdateError")) return E_FAIL;
  state_.error = error;
  return S_OK;
}

// ---------------------------------------------------------------- visual properties

HRESULT ZORFeature::GetPropertiesAtt(ZORVisPropertiesValues& values, ZORVisPropertyType type, int) {
  if (!ZORFaultGate::Pass("ZORFeature::GetPropertiesAtt")) return E_FAIL;
  const ZORVisPropertiesValues& vis = state_.vis;
  int r = 0, g = 0, b = 0;
  switch (type) {
    case ZORVPOpacity:
      values.SetOpacity(vis.GetOpacity());
      return S_OK;
    case ZORVPShow:
      values.SetShow(vis.GetShow());
      return S_OK;
    case ZORVPPick:
      values.SetPick(vis.GetPick());
      return S_OK;
    case ZORVPColor:
      vis.GetColor(r, g, b);
      values.SetColor(r, g, b);
      return S_OK;
  }
  return E_INVALIDARG;
}

namespace {

bool IsComponent(int value) {
  return value >= 0 && value <= 255;
}

}  // namespace

HRESULT ZORFeature::SetPropertiesAtt(const ZORVisPropertiesValues& values, ZORVisPropertyType type,
                                     int) {
  if (!ZORFaultGate::Pass("ZORFeature::SetPropertiesAtt")) return E_FAIL;
  ZORVisPropertiesValues& vis = state_.vis;
  int r = 0, g = 0, b = 0;
  switch (type) {
    case ZORVPOpacity:
      if (!IsComponent(values.GetOpacity())) return E_INVALIDARG;
      vis.SetOpacity(values.GetOpacity());
      return S_OK;
    case ZORVPShow:
      if (values.GetShow() != ZORShowAttr && values.GetShow() != ZORNoShowAttr) return E_INVALIDARG;
      vis.SetShow(values.GetShow());
      return S_OK;
    case ZORVPPick:
      vis.SetPick(values.GetPick() ? 1 : 0);
      return S_OK;
    case ZORVPColor:
      values.GetColor(r, g, b);
      if (!IsComponent(r) || !IsComponent(g) || !IsComponent(b)) return E_INVALIDARG;
      vis.SetColor(r, g, b);
      return S_OK;
  }
  return E_INVALIDARG;
}

HRESULT ZORFeature::ResetPropertiesAtt(ZORVisPropertyType type, int, int, int) {
  if (!ZORFaultGate::Pass("ZORFeature::ResetPropertiesAtt")) return E_FAIL;
  const ZORVisPropertiesValues defaults;
  int r = 0, g = 0, b = 0;
  switch (type) {
    case ZORVPOpacity:
      state_.vis.SetOpacity(defaults.GetOpacity());
      return S_OK;
    case ZORVPShow:
      state_.vis.SetShow(defaults.GetShow());
      return S_OK;
    case ZORVPPick:
      state_.vis.SetPick(defaults.GetPick());
      return S_OK;
    case ZORVPColor:
      defaults.GetColor(r, g, b);
      state_.vis.SetColor(r, g, b);
      return S_OK;
  }
  return E_INVALIDARG;
}

HRESULT ZORFeature::SetColor(int red, int green, int blue) {
  ZORVisPropertiesValues values;
  values.SetColor(red, green, blue);
  return SetPropertiesAtt(values, ZORVPColor);
}

HRESULT ZORFeature::GetColor(int& red, int& green, int& blue) {
  state_.vis.GetColor(red, green, blue);
  return S_OK;
}

// ---------------------------------------------------------------- events, paths

HRESULT ZORFeature::Dispatch(ZORModelEvent* event) {
  if (!ZORFaultGate::Pass("ZORFeature::Dispatch")) return E_FAIL;
  if (!event) return E_INVALIDARG;
  if (!document_) return E_FAIL;
  document_->GetEventLog().Record(event);
  return S_OK;
}

HRESULT ZORFeature::GetPathElement(ZORPathElement& path) {
  path = document_ ? document_->GivePathElementFrom(ZORBaseUnknown_var(this)) : ZORPathElement();
  return path.IsSet() ? S_OK : E_FAIL;
}
