#include "ZORFeature.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <typeinfo>
#include <unordered_set>

#include "ZORBlockPool.h"
#include "ZORCkeParmExt.h"
#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORProtectedSection.h"
#include "ZORSpecObjectOf.h"
#include "ZORUpdateEngine.h"
#include "ZORWENAxisLineExt.h"
#include "ZORWENPointOnPlaneExt.h"
#include "ZORWENPointOnSurfaceExt.h"
#include "ZORWENPositionTransfoExt.h"

namespace {

ZORBlockPool& FeaturePool() {
  // Never destroyed: a feature may still be let go of while the program ends.
  static auto* pool = new ZORBlockPool(sizeof(ZORFeature));
  return *pool;
}

}  // namespace

void* ZORFeature::operator new(std::size_t size) {
  return FeaturePool().Allocate(size);
}

void ZORFeature::operator delete(void* block, std::size_t size) {
  FeaturePool().Free(block, size);
}

ULONG ZORFeature::AddRef() {
  return ++featureRefs_;
}

ULONG ZORFeature::Release() {
  return ReleaseCount(featureRefs_);
}

ZORFeature::ZORFeature(const ZORFeatureType& type, ZORDocument& document, std::uint32_t serial)
    : ZORFeatureCore(type, document, serial) {
  SetLateType(type.GetName());
  if (type.Offers(ZORIWENMultiSel::ClassIID())) {
    multiSel_ = std::make_unique<ZORMultiSelModel>(*this);
  }
}

ZORFeature::~ZORFeature() {
  // Children held elsewhere must not point at a father that is gone.
  for (auto& child : state_->children) {
    if (child->place_.father == this) child->EditPlace().father = nullptr;
  }
  for (auto& input : state_->inputs) {
    if (input.target) input.target->UnlinkUser(*this);
  }
  for (auto& link : state_->links) {
    if (link.target) link.target->UnlinkOwner(*this);
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
                ZORIModelEvents, ZORIPathAccess, ZORIMfPoint, ZORIMfLine, ZORIMfPlane,
                ZORIWENMultiSel, ZORIWENMultiSelAccess, ZORIWENMultiSelFactory, ZORIWENFactory,
                ZORIWENTool, ZORISpecAttrAccess, ZORISpecScan, ZORIWENTranslate, ZORIWENRotate,
                ZORIWENProject, ZORIWENAffinity, ZORICkeParm, ZORIMechanicalFeature,
                ZORIMechanicalProperties, ZORIMfBRep, ZORIGeometricalElement, ZORIMfZeroDimResult,
                ZORIMfMonoDimResult, ZORIMfBiDimResult, ZORINavigateObject,
                ZORIMmiContextualManager, ZORIRedrawEvent, ZORIPrtManagement>(iid, out)) {
    return S_OK;
  }
  // What the type does not list may still come from an extension of the late type.
  return ZORBaseUnknown::QueryInterface(iid, out);
}

bool ZORFeature::Offers(const IID& iid) const {
  return type_->Offers(iid);
}

ZORFeature* ZORFeature::From(ZORBaseUnknown* object) {
  if (!object) return nullptr;
  ZORBaseUnknown* impl = object->GetImpl();
  // The class has no subclass: a feature is a whole object of exactly this type, found from its
  // type and its address without searching its forty bases.
  if (typeid(*impl) != typeid(ZORFeature)) return nullptr;
  return static_cast<ZORFeature*>(dynamic_cast<void*>(impl));
}

ZORISpecObject_var ZORFeature::AsSpecObject() {
  if (type_->OffersSpecObject()) return ZORISpecObject_var(static_cast<ZORISpecObject*>(this));
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(this));
}

// ---------------------------------------------------------------- values, inputs, users

void ZORFeature::SetValue(const std::string& name, double value) {
  EditState().values[name] = value;
  MarkOutOfDate();
}

double ZORFeature::GetValue(const std::string& name, double fallback) const {
  auto it = state_->values.find(name);
  return it == state_->values.end() ? fallback : it->second;
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
  auto& inputs = EditState().inputs;
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
  InputsChanged();
  return S_OK;
}

ZORFeature* ZORFeature::GetInput(const std::string& role) const {
  for (const auto& input : state_->inputs) {
    if (input.role == role) return input.target.get();
  }
  return nullptr;
}

std::vector<std::pair<std::string, ZORFeature*>> ZORFeature::GetInputs() const {
  std::vector<std::pair<std::string, ZORFeature*>> inputs;
  for (const auto& input : state_->inputs) inputs.emplace_back(input.role, input.target.get());
  return inputs;
}

namespace {

// The features a count map names, in creation order.
template <class Counts>
std::vector<ZORFeature*> BySerial(const Counts& counted) {
  std::vector<ZORFeature*> features;
  features.reserve(counted.Size());
  counted.ForEach([&](ZORFeature* feature, int) { features.push_back(feature); });
  std::sort(features.begin(), features.end(), [](const ZORFeature* a, const ZORFeature* b) {
    return a->GetSerial() < b->GetSerial();
  });
  return features;
}

// One tie of `holder` fewer in a count map; the entry goes with its last tie.
template <class Counts>
void Untie(Counts& counted, ZORFeature& holder) {
  if (int* count = counted.Find(&holder); count && --*count == 0) counted.Erase(&holder);
}

}  // namespace

std::vector<ZORFeature*> ZORFeature::GetUsers() const {
  return BySerial(users_);
}

bool ZORFeature::IsUsedBy(const ZORFeature& other) const {
  std::vector<const ZORFeature*> pending{&other};
  std::unordered_set<const ZORFeature*> seen{&other};
  while (!pending.empty()) {
    const ZORFeature* f = pending.back();
    pending.pop_back();
    if (f == this) return true;
    for (const auto& input : f->state_->inputs) {
      if (seen.insert(input.target.get()).second) pending.push_back(input.target.get());
    }
  }
  return false;
}

void ZORFeature::Journal() {
  if (document_ && journalStamp_ != document_->journalStamp_) document_->Journal(*this);
}

void ZORFeature::Outdate() {
  // An inactive feature has nothing to recompute; its users still do. One already out of date
  // changes nothing, and undo need not keep it.
  if (!place_.inactive && place_.upToDate) EditPlace().upToDate = false;
}

void ZORFeature::MarkOutOfDate() {
  Outdate();
  // Most features removed or changed by the thousand have no user: nothing to walk or allocate.
  if (users_.Empty()) return;
  std::vector<ZORFeature*> pending{this};
  ZORPointerMap<ZORFeature, bool> seen;
  seen.TryEmplace(this, true);
  while (!pending.empty()) {
    ZORFeature* f = pending.back();
    pending.pop_back();
    f->users_.ForEach([&](ZORFeature* user, int) {
      if (!seen.TryEmplace(user, true).second) return;
      user->Outdate();
      pending.push_back(user);
    });
  }
}

void ZORFeature::LinkUser(ZORFeature& user) {
  ++users_[&user];
}

void ZORFeature::UnlinkUser(ZORFeature& user) {
  Untie(users_, user);
}

// ---------------------------------------------------------------- ZORISpecObject

ZORISpecObject_var ZORFeature::GetFather() {
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(place_.father));
}

int ZORFeature::IsSubTypeOf(const char* typeName) {
  return typeName && ZORFeatureTypeRegistry::Get().IsSubTypeOf(*type_, typeName);
}

HRESULT ZORFeature::Update() {
  if (!ZORFaultGate::Pass("ZORFeature::Update")) return E_FAIL;
  ZORFeature_var self(this);
  if (ZORUpdateEngine::Update(*this)) return S_OK;
  ZORFeature* failed = ZORUpdateEngine::FirstFailure(*this);
  if (failed && failed->state_->error && ZORFaultGate::ProtectionDepth() > 0) {
    ZORRaise(failed->state_->error->CloneSelf());
  }
  return E_FAIL;
}

int ZORFeature::IsUpToDate() {
  if (!place_.upToDate) return 0;
  for (const auto& child : state_->children) {
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
  child.EditPlace().father = this;
  EditState().children.Insert(index, ZORFeature_var(&child));
  ChildrenChanged();
}

void ZORFeature::ChildrenChanged() {
  if (multiSel_) {
    multiSel_->ChildrenChanged();
    multiSel_->EntriesChanged();
  }
}

void ZORFeature::InputsChanged() {
  if (place_.father && place_.father->multiSel_) place_.father->multiSel_->EntriesChanged();
}

void ZORFeature::Detach(ZORFeature& child) {
  ZORFeature_var keep(&child);  // the children list may hold the last reference
  if (!EditState().children.Remove(&child)) return;
  child.EditPlace().father = nullptr;
  ChildrenChanged();
}

HRESULT ZORFeature::CheckNewChild(ZORFeature* child) const {
  if (!child || child == this || !IsInDocument()) return E_FAIL;
  if (child->document_ != document_ || !child->IsInDocument()) return E_FAIL;
  if (child->Offers(ZORIPrtPart::ClassIID())) return E_FAIL;
  for (const ZORFeature* f = place_.father; f; f = f->place_.father) {
    if (f == child) return E_FAIL;
  }
  return S_OK;
}

ZORISpecObject_var ZORFeature::GetChildAtPosition(int position) {
  if (position < 1 || position > GetNumberOfChildren()) return nullptr;
  const auto from = state_->children.From(static_cast<std::size_t>(position - 1));
  FetchAhead(from);
  return from.front()->AsSpecObject();
}

void ZORFeature::FetchAhead(std::span<const ZORFeature_var> ahead) {
  // Each stage reads what the one before fetched, some children earlier: the child itself (its
  // first lines and its base component, which counts its references), its state, its inputs,
  // then their targets. Past the end or on a child that left, a stage has nothing to fetch.
  auto at = [&](std::size_t distance) -> const ZORFeature* {
    return distance < ahead.size() ? ahead[distance].get() : nullptr;
  };
  if (const ZORFeature* f = at(32)) FetchObject(f);
  if (const ZORFeature* f = at(16)) __builtin_prefetch(&*f->state_);
  if (const ZORFeature* f = at(8)) {
    const auto& inputs = f->state_->inputs;
    if (!inputs.empty()) FetchLines(inputs.data(), inputs.size() * sizeof(inputs[0]));
  }
  if (const ZORFeature* f = at(4)) {
    for (const auto& input : f->state_->inputs) {
      if (input.target) FetchObject(input.target.get());
    }
  }
}

void ZORFeature::FetchObject(const ZORFeature* f) {
  FetchLines(f, 2 * kCacheLine);
  __builtin_prefetch(static_cast<const ZORBaseUnknown*>(f));
}

void ZORFeature::FetchLines(const void* start, std::size_t bytes) {
  const auto* first = static_cast<const char*>(start);
  for (std::size_t offset = 0; offset < bytes; offset += kCacheLine) {
    __builtin_prefetch(first + offset);
  }
}

int ZORFeature::GetPosition(const ZORISpecObject_var& child) {
  return PositionOf(From(child.get()));
}

int ZORFeature::PositionOf(const ZORFeature* f) const {
  if (!f || f->place_.father != this) return 0;
  const std::size_t position = state_->children.PositionOf(f);
  return position == ZORFeatureList::npos ? 0 : static_cast<int>(position) + 1;
}

void ZORFeature::GetDirectChildren(ZORListValZORISpecObject_var& children) {
  for (const auto& child : state_->children) children.Append(ZORSpecObjectOf(child.get()));
}

HRESULT ZORFeature::AddChild(const ZORISpecObject_var& child, int position) {
  if (!ZORFaultGate::Pass("ZORFeature::AddChild")) return E_FAIL;
  ZORFeature* f = From(child.get());
  if (FAILED(CheckNewChild(f))) return E_FAIL;
  ZORFeature_var keep(f);
  const int count = GetNumberOfChildren() - (f->place_.father == this ? 1 : 0);
  if (position < 0 || position > count + 1) return E_INVALIDARG;
  if (f->place_.father) f->place_.father->Detach(*f);
  Attach(*f, position == 0 ? state_->children.size() : static_cast<std::size_t>(position - 1));
  return S_OK;
}

HRESULT ZORFeature::RemoveChild(const ZORISpecObject_var& child) {
  if (!ZORFaultGate::Pass("ZORFeature::RemoveChild")) return E_FAIL;
  ZORFeature* f = From(child.get());
  if (!f || f->place_.father != this) return E_FAIL;
  Detach(*f);
  return S_OK;
}

HRESULT ZORFeature::RemoveChildAtPosition(int position) {
  if (!ZORFaultGate::Pass("ZORFeature::RemoveChildAtPosition")) return E_FAIL;
  if (position < 1 || position > GetNumberOfChildren()) return E_INVALIDARG;
  Detach(*state_->children[static_cast<std::size_t>(position - 1)]);
  return S_OK;
}

HRESULT ZORFeature::ReplaceChild(const ZORISpecObject_var& oldChild,
                                 const ZORISpecObject_var& newChild) {
  if (!ZORFaultGate::Pass("ZORFeature::ReplaceChild")) return E_FAIL;
  ZORFeature* oldF = From(oldChild.get());
  ZORFeature* newF = From(newChild.get());
  if (!oldF || oldF->place_.father != this || oldF == newF) return E_FAIL;
  if (FAILED(CheckNewChild(newF))) return E_FAIL;
  ZORFeature_var keepNew(newF);
  if (newF->place_.father) newF->place_.father->Detach(*newF);
  const int position = PositionOf(oldF);
  Detach(*oldF);
  Attach(*newF, static_cast<std::size_t>(position - 1));
  return S_OK;
}

int ZORFeature::IsDescendant(const ZORBaseUnknown_var& object) {
  const ZORFeature* f = From(object.get());
  for (const ZORFeature* up = f ? f->place_.father : nullptr; up; up = up->place_.father) {
    if (up == this) return 1;
  }
  return 0;
}

void ZORFeature::CollectSubtree(std::vector<ZORFeature*>& subtree) {
  subtree.push_back(this);
  for (auto& child : state_->children) child->CollectSubtree(subtree);
}

// ---------------------------------------------------------------- removal

HRESULT ZORFeature::remove(int) {
  if (!ZORFaultGate::Pass("LifeCycleObject::remove")) return E_FAIL;
  if (!IsInDocument() || this == document_->GetPart()) return E_FAIL;
  ZORFeature_var self(this);
  if (place_.father) place_.father->Detach(*this);
  std::vector<ZORFeature*> subtree;
  CollectSubtree(subtree);
  for (ZORFeature* f : subtree) {
    ZORDocument::CountLinks(*f, false);
    f->EditPlace().inDocument = false;
    // Users keep their link and learn that their input is gone at their next update.
    f->MarkOutOfDate();
  }
  document_->DropRemoved(subtree);
  return S_OK;
}

// ---------------------------------------------------------------- update error

HRESULT ZORFeature::SetUpdateError(ZORMfErrUpdate* error) {
  if (!ZORFaultGate::Pass("ZORFeature::SetUpdateError")) return E_FAIL;
  EditState().error = error;
  return S_OK;
}

// ---------------------------------------------------------------- visual properties

HRESULT ZORFeature::GetPropertiesAtt(ZORVisPropertiesValues& values, ZORVisPropertyType type, int) {
  if (!ZORFaultGate::Pass("ZORFeature::GetPropertiesAtt")) return E_FAIL;
  int r = 0, g = 0, b = 0;
  switch (type) {
    case ZORVPOpacity:
      values.SetOpacity(vis_.GetOpacity());
      return S_OK;
    case ZORVPShow:
      values.SetShow(vis_.GetShow());
      return S_OK;
    case ZORVPPick:
      values.SetPick(vis_.GetPick());
      return S_OK;
    case ZORVPColor:
      vis_.GetColor(r, g, b);
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
  int r = 0, g = 0, b = 0;
  switch (type) {
    case ZORVPOpacity:
      if (!IsComponent(values.GetOpacity())) return E_INVALIDARG;
      EditVis().SetOpacity(values.GetOpacity());
      return S_OK;
    case ZORVPShow:
      if (values.GetShow() != ZORShowAttr && values.GetShow() != ZORNoShowAttr) return E_INVALIDARG;
      EditVis().SetShow(values.GetShow());
      return S_OK;
    case ZORVPPick:
      EditVis().SetPick(values.GetPick() ? 1 : 0);
      return S_OK;
    case ZORVPColor:
      values.GetColor(r, g, b);
      if (!IsComponent(r) || !IsComponent(g) || !IsComponent(b)) return E_INVALIDARG;
      EditVis().SetColor(r, g, b);
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
      EditVis().SetOpacity(defaults.GetOpacity());
      return S_OK;
    case ZORVPShow:
      EditVis().SetShow(defaults.GetShow());
      return S_OK;
    case ZORVPPick:
      EditVis().SetPick(defaults.GetPick());
      return S_OK;
    case ZORVPColor:
      defaults.GetColor(r, g, b);
      EditVis().SetColor(r, g, b);
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
  vis_.GetColor(red, green, blue);
  return S_OK;
}

HRESULT ZORFeature::SetThickness(int thickness) {
  if (thickness < 1) return E_INVALIDARG;
  EditVis().SetThickness(thickness);
  return S_OK;
}

HRESULT ZORFeature::GetThickness(int& thickness) {
  thickness = vis_.GetThickness();
  return S_OK;
}

HRESULT ZORFeature::SetLineType(int lineType) {
  if (lineType < 1) return E_INVALIDARG;
  EditVis().SetLineType(lineType);
  return S_OK;
}

HRESULT ZORFeature::GetLineType(int& lineType) {
  lineType = vis_.GetLineType();
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

// ---------------------------------------------------------------- helpers of the later interfaces

ZORISpecObject_var ZORFeature::InputSpec(const std::string& role) const {
  ZORFeature* input = GetInput(role);
  return input ? input->AsSpecObject() : nullptr;
}

bool ZORFeature::IsPeer(const ZORFeature* other) const {
  return other && other->document_ == document_ && document_ && other->IsInDocument();
}

namespace {

void AppendAll(ZORListValZORISpecObject_var& list, const std::vector<ZORFeature*>& features) {
  for (ZORFeature* f : features) list.Append(ZORSpecObjectOf(f));
}

}  // namespace

// ---------------------------------------------------------------- ZORIWENMultiSel

HRESULT ZORFeature::GetInputList(ZORListValZORISpecObject_var& inputs, int index) {
  return multiSel_ ? multiSel_->GetInputList(inputs, index) : E_FAIL;
}

HRESULT ZORFeature::GetInputListSize(int& size, int index) {
  return multiSel_ ? multiSel_->GetInputListSize(size, index) : E_FAIL;
}

HRESULT ZORFeature::Declare(const ZORISpecObject_var& input, int index) {
  return multiSel_ ? multiSel_->Declare(input, index) : E_FAIL;
}

HRESULT ZORFeature::RemoveInput(const ZORISpecObject_var& input, int index) {
  return multiSel_ ? multiSel_->RemoveInput(input, index) : E_FAIL;
}

HRESULT ZORFeature::RemoveAllInputs(int index) {
  return multiSel_ ? multiSel_->RemoveAllInputs(index) : E_FAIL;
}

HRESULT ZORFeature::ReplaceInput(const ZORISpecObject_var& oldInput,
                                 const ZORISpecObject_var& newInput, int index) {
  return multiSel_ ? multiSel_->ReplaceInput(oldInput, newInput, index) : E_FAIL;
}

HRESULT ZORFeature::RefElementChanged() {
  return multiSel_ ? multiSel_->RefElementChanged() : E_FAIL;
}

HRESULT ZORFeature::SetDeleteTempChildren(const ZORISpecObject_var& feature) {
  return multiSel_ ? multiSel_->SetDeleteTempChildren(feature) : E_FAIL;
}

HRESULT ZORFeature::DeleteTempChildren() {
  return multiSel_ ? multiSel_->DeleteTempChildren() : E_FAIL;
}

HRESULT ZORFeature::GetPreviews(std::unique_ptr<ZORRawCollint>& indices,
                                std::unique_ptr<ZORRawCollint>& states) {
  return multiSel_ ? multiSel_->GetPreviews(indices, states) : E_FAIL;
}

HRESULT ZORFeature::SetPreviews(const ZORRawCollint& indices, const ZORRawCollint& states) {
  return multiSel_ ? multiSel_->SetPreviews(indices, states) : E_FAIL;
}

int ZORFeature::GetNumberOfRealFeatures() {
  return multiSel_ ? multiSel_->GetNumberOfRealFeatures() : 0;
}

HRESULT ZORFeature::GetRealFeatures(ZORListValZORISpecObject_var& features) {
  return multiSel_ ? multiSel_->GetRealFeatures(features) : E_FAIL;
}

HRESULT ZORFeature::GetVirtualInputs(ZORListValZORISpecObject_var& inputs1,
                                     ZORListValZORISpecObject_var& inputs2) {
  return multiSel_ ? multiSel_->GetVirtualInputs(inputs1, inputs2) : E_FAIL;
}

HRESULT ZORFeature::GetRemainingRealFeatsInitialPosition(ZORRawCollint& positions) {
  return multiSel_ ? multiSel_->GetRemainingRealFeatsInitialPosition(positions) : E_FAIL;
}

HRESULT ZORFeature::GetFeaturesToRemove(ZORListValZORISpecObject_var& features) {
  return multiSel_ ? multiSel_->GetFeaturesToRemove(features) : E_FAIL;
}

HRESULT ZORFeature::GetImpactedFeatures(ZORListValZORISpecObject_var& created,
                                        ZORListValZORISpecObject_var& removed) {
  return multiSel_ ? multiSel_->GetImpactedFeatures(created, removed, nullptr) : E_FAIL;
}

HRESULT ZORFeature::GetImpactedFeatures(ZORListValZORISpecObject_var& created,
                                        ZORListValZORISpecObject_var& removed,
                                        ZORListValZORISpecObject_var& modified) {
  return multiSel_ ? multiSel_->GetImpactedFeatures(created, removed, &modified) : E_FAIL;
}

HRESULT ZORFeature::GetResults(ZORListValZORISpecObject_var& results) {
  return multiSel_ ? multiSel_->GetResults(results) : E_FAIL;
}

HRESULT ZORFeature::IsThereAnyFeatureManaged(bool& any) {
  return multiSel_ ? multiSel_->IsThereAnyFeatureManaged(any) : E_FAIL;
}

HRESULT ZORFeature::StartMultiSel() {
  return multiSel_ ? multiSel_->Start() : E_FAIL;
}

HRESULT ZORFeature::FinishMultiSel() {
  return multiSel_ ? multiSel_->Finish() : E_FAIL;
}

HRESULT ZORFeature::CleanMultiSel() {
  return multiSel_ ? multiSel_->Clean() : E_FAIL;
}

// ---------------------------------------------------------------- ZORIWENMultiSelAccess

const std::string* ZORFeature::MultiSelRole(int index) const {
  const auto& roles = type_->GetInputRoles();
  if (index < 1 || index > 2 || static_cast<std::size_t>(index) > roles.size()) return nullptr;
  return &roles[static_cast<std::size_t>(index - 1)];
}

HRESULT ZORFeature::GetMultiSelInput(int index, ZORISpecObject_var& input) {
  const std::string* role = MultiSelRole(index);
  if (!role || !ZORFaultGate::Pass("ZORIWENMultiSelAccess::GetMultiSelInput")) return E_FAIL;
  input = InputSpec(*role);
  return S_OK;
}

HRESULT ZORFeature::SetMultiSelInput(int index, const ZORISpecObject_var& input) {
  const std::string* role = MultiSelRole(index);
  if (!role) return E_FAIL;
  return SetInput(*role, ZORBaseUnknown_var(input)) == S_OK ? S_OK : E_FAIL;
}

HRESULT ZORFeature::GetMultiSelInputs(ZORListValZORISpecObject_var& inputs) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSelAccess::GetMultiSelInputs")) return E_FAIL;
  for (const auto& input : state_->inputs) inputs.Append(ZORSpecObjectOf(input.target.get()));
  return S_OK;
}

// ---------------------------------------------------------------- factories (the container)

ZORIWENMultiSel_var ZORFeature::CreateMultiSel() {
  if (!document_) return nullptr;
  return ZORIWENMultiSel_var(document_->CreateFeature("WENMultiSel").get());
}

ZORISpecObject_var ZORFeature::CreateFeatureOfType(const char* typeName) {
  if (!document_ || !typeName) return nullptr;
  return ZORSpecObjectOf(document_->CreateFeature(typeName).get());
}

ZORISpecObject_var ZORFeature::CreateLinked(
    const char* typeName, const std::vector<std::pair<const char*, ZORBaseUnknown_var>>& inputs,
    const std::vector<const char*>& required) {
  if (!document_) return nullptr;
  for (const auto& [role, target] : inputs) {
    const bool needed =
        std::find(required.begin(), required.end(), std::string_view(role)) != required.end();
    if (needed && !target) return nullptr;
  }
  ZORFeature_var created = document_->CreateFeature(typeName);
  if (!created) return nullptr;
  for (const auto& [role, target] : inputs) {
    if (target && FAILED(created->SetInput(role, target))) {
      created->remove();
      return nullptr;
    }
  }
  return ZORSpecObjectOf(created.get());
}

ZORISpecObject_var ZORFeature::CreatePointOnSurface(const ZORISpecObject_var& support,
                                                    const ZORISpecObject_var& origin,
                                                    const ZORMathVector& direction,
                                                    const ZORICkeParm_var& length) {
  ZORISpecObject_var point = CreateLinked(
      ZORWENPointOnSurfaceExt::kTypeName,
      {{"Support", support}, {"Origin", origin}, {"Length", length}}, {"Support", "Length"});
  const ZORIWENPointOnSurface_var onSurface(point);
  if (point && (!onSurface || FAILED(onSurface->SetDirection(direction)))) {
    LifeCycleObject_var(point)->remove();
    return nullptr;
  }
  return point;
}

ZORISpecObject_var ZORFeature::CreatePointOnPlane(const ZORISpecObject_var& support,
                                                  const ZORISpecObject_var& origin,
                                                  const ZORICkeParm_var& h,
                                                  const ZORICkeParm_var& v) {
  return CreateLinked(ZORWENPointOnPlaneExt::kTypeName,
                      {{"Support", support}, {"Origin", origin}, {"H", h}, {"V", v}},
                      {"Support", "H", "V"});
}

ZORISpecObject_var ZORFeature::CreateLine(const ZORISpecObject_var& point,
                                          const ZORISpecObject_var& reference,
                                          const ZORICkeParm_var& start,
                                          const ZORICkeParm_var& end) {
  return CreateLinked(ZORWENAxisLineExt::kTypeName,
                      {{"Point", point}, {"Reference", reference}, {"Start", start}, {"End", end}},
                      {"Point", "Reference", "Start", "End"});
}

ZORIWENPositionTransfo_var ZORFeature::CreatePositionTransfo() {
  if (!document_ || !ZORFaultGate::Pass("ZORIWENFactory::CreatePositionTransfo")) return nullptr;
  ZORFeature_var transfo = ZORWENPositionTransfoExt::Create(*document_);
  return transfo ? ZORIWENPositionTransfo_var(ZORBaseUnknown_var(transfo.get())) : nullptr;
}

HRESULT ZORFeature::SetPrivate(int isPrivate) {
  if (!ZORFaultGate::Pass("ZORIWENTool::SetPrivate")) return E_FAIL;
  EditState().privateTool = isPrivate != 0;
  return S_OK;
}

HRESULT ZORFeature::SetShapeBodyTool(int inShapeBody) {
  if (!ZORFaultGate::Pass("ZORIWENTool::SetShapeBodyTool")) return E_FAIL;
  EditState().shapeBodyTool = inShapeBody != 0;
  return S_OK;
}

// ---------------------------------------------------------------- attributes and links

ZORSpecAttrKey_var ZORFeature::GetAttrKey(const char* name) {
  if (!name) return nullptr;
  for (const auto& key : state_->attributes) {
    if (key->GetName() == name) return key;
  }
  return nullptr;
}

HRESULT ZORFeature::AddAttribute(const char* name, int kind, int quality) {
  if (!ZORFaultGate::Pass("ZORISpecAttrAccess::AddAttribute")) return E_FAIL;
  if (!name || !*name) return E_INVALIDARG;
  if (GetAttrKey(name)) return S_FALSE;
  EditState().attributes.push_back(ZORMake<ZORSpecAttrKey>(name, kind, quality));
  return S_OK;
}

HRESULT ZORFeature::RemoveAttribute(const char* name) {
  if (!ZORFaultGate::Pass("ZORISpecAttrAccess::RemoveAttribute")) return E_FAIL;
  const auto removed = std::erase_if(EditState().attributes, [&](const ZORSpecAttrKey_var& key) {
    return name && key->GetName() == name;
  });
  return removed ? S_OK : E_FAIL;
}

HRESULT ZORFeature::LinkTo(const char* role, const ZORISpecObject_var& owner, const char*) {
  if (!ZORFaultGate::Pass("ZORISpecAttrAccess::LinkTo")) return E_FAIL;
  ZORFeature* holder = From(owner.get());
  if (!role || !*role || holder == this || !IsInDocument() || !IsPeer(holder)) return E_FAIL;
  const auto& links = holder->state_->links;
  const bool linked = std::any_of(links.begin(), links.end(), [&](const auto& link) {
    return link.role == role && link.target.get() == this;
  });
  if (linked) return S_OK;
  holder->EditState().links.push_back({role, ZORFeature_var(this)});
  LinkOwner(*holder);
  return S_OK;
}

std::vector<ZORFeature*> ZORFeature::GetLinkedFeatures(const std::string& role) const {
  std::vector<ZORFeature*> linked;
  for (const auto& link : state_->links) {
    if (link.role == role) linked.push_back(link.target.get());
  }
  return linked;
}

std::vector<ZORFeature*> ZORFeature::GetLinkOwners() const {
  return BySerial(linkOwners_);
}

HRESULT ZORFeature::GetLinked(const char* role, ZORListValZORISpecObject_var& linked) {
  if (!role) return E_FAIL;
  AppendAll(linked, GetLinkedFeatures(role));
  return S_OK;
}

HRESULT ZORFeature::ListPointingObjects(ZORListValZORISpecObject_var& pointing) {
  if (!ZORFaultGate::Pass("ZORISpecAttrAccess::ListPointingObjects")) return E_FAIL;
  ZORPointerMap<ZORFeature, int> all;
  const auto count = [&all](ZORFeature* feature, int n) { all[feature] += n; };
  users_.ForEach(count);
  linkOwners_.ForEach(count);
  AppendAll(pointing, BySerial(all));
  return S_OK;
}

void ZORFeature::LinkOwner(ZORFeature& owner) {
  ++linkOwners_[&owner];
}

void ZORFeature::UnlinkOwner(ZORFeature& owner) {
  Untie(linkOwners_, owner);
}

// ---------------------------------------------------------------- scans

HRESULT ZORFeature::ListUsers(ZORListValZORISpecObject_var& users) {
  if (!ZORFaultGate::Pass("ZORISpecScan::ListUsers")) return E_FAIL;
  if (place_.father) users.Append(ZORSpecObjectOf(place_.father));
  AppendAll(users, GetUsers());
  return S_OK;
}

HRESULT ZORFeature::ListAncestors(ZORListValZORISpecObject_var& ancestors) {
  if (!ZORFaultGate::Pass("ZORISpecScan::ListAncestors")) return E_FAIL;
  for (ZORFeature* f = this; f; f = f->place_.father) ancestors.Append(ZORSpecObjectOf(f));
  return S_OK;
}

// ---------------------------------------------------------------- BRep features

int ZORFeature::IsRelatedTo(const ZORBaseUnknown_var& other) {
  ZORIMfBRep_var brep(other);
  ZORFeature* f = From(brep.get());
  if (!f) return 0;
  if (f == this) return 1;
  if (!GetInput("Support") || f->GetInput("Support") != GetInput("Support")) return 0;
  // Two picks of one support designate the same result, or results that read the same.
  if (state_->body == f->state_->body) return 1;
  return state_->body && f->state_->body && state_->body->Describe() == f->state_->body->Describe();
}

// ---------------------------------------------------------------- knowledge parameters

HRESULT ZORFeature::Rename(const ZORUnicodeString& name) {
  if (!ZORFaultGate::Pass("ZORICkeParm::Rename")) return E_FAIL;
  if (name.str().empty() || state_->access == 1) return E_FAIL;
  if (document_) document_->GetEventLog().Freeze();  // lines already sent keep the old name
  EditState().name = name;
  return S_OK;
}

HRESULT ZORFeature::SetAccess(int access) {
  EditState().access = access;
  return S_OK;
}

HRESULT ZORFeature::Valuate(double value) {
  if (!ZORFaultGate::Pass("ZORICkeParm::Valuate")) return E_FAIL;
  if (state_->access == 1 || !std::isfinite(value)) return E_FAIL;
  if (GetValue("Value") == value) return S_OK;  // no change, nothing to tell
  SetValue("Value", value);
  ZORCkeParmExt::PublishChange(static_cast<ZORICkeParm*>(this));
  return S_OK;
}

HRESULT ZORFeature::SetActivated(ZORCke::Boolean activated) {
  // A parameter's activation is the mechanical one, so that undo brings it back too.
  EditPlace().inactive = activated == ZORCke::False;
  ZORCkeParmExt::PublishChange(static_cast<ZORICkeParm*>(this));
  return S_OK;
}

// ---------------------------------------------------------------- mechanical model

HRESULT ZORFeature::SetMechanicalOwner(const ZORVar<ZORIMechanicalFeature>& owner) {
  if (!ZORFaultGate::Pass("ZORIMechanicalFeature::SetMechanicalOwner")) return E_FAIL;
  ZORFeature* f = From(owner.get());
  if (owner && (f == this || !IsPeer(f))) return E_FAIL;
  EditState().mechanicalOwner = f;
  return S_OK;
}

ZORISpecObject_var ZORFeature::GetMechanicalOwner() {
  return ZORSpecObjectOf(state_->mechanicalOwner.get());
}

HRESULT ZORFeature::Deactivate() {
  if (!ZORFaultGate::Pass("ZORIMechanicalProperties::Deactivate")) return E_FAIL;
  if (place_.inactive) return S_OK;
  MarkOutOfDate();  // the users first, while this one still counts as active
  EditPlace().inactive = true;
  EditPlace().upToDate = true;
  ZORFeatureState& state = EditState();
  state.body = nullptr;
  state.error = nullptr;
  state.warnings.clear();
  return S_OK;
}

HRESULT ZORFeature::Activate() {
  if (!ZORFaultGate::Pass("ZORIMechanicalProperties::Activate")) return E_FAIL;
  if (!place_.inactive) return S_OK;
  EditPlace().inactive = false;
  MarkOutOfDate();
  return S_OK;
}

HRESULT ZORFeature::Refresh() {
  if (!ZORFaultGate::Pass("ZORIMechanicalProperties::Refresh")) return E_FAIL;
  ++mechanicalRefreshes_;
  return S_OK;
}

// ---------------------------------------------------------------- navigation, context, redraw

HRESULT ZORFeature::GetChildren(ZORListValZORISpecObject_var& children) {
  GetDirectChildren(children);
  return S_OK;
}

HRESULT ZORFeature::SetContextual(int contextual) {
  EditState().contextual = contextual != 0;
  return S_OK;
}

ZORISpecObject_var ZORFeature::GetContext() {
  return state_->contextual ? ZORSpecObjectOf(place_.father) : nullptr;
}

HRESULT ZORFeature::Redraw() {
  if (!ZORFaultGate::Pass("ZORIRedrawEvent::Redraw")) return E_FAIL;
  ++redraws_;
  return S_OK;
}

HRESULT ZORFeature::SetInWorkObject(const ZORISpecObject_var& feature) {
  if (!ZORFaultGate::Pass("ZORIPrtManagement::SetInWorkObject")) return E_FAIL;
  ZORFeature* f = From(feature.get());
  if (feature && !IsPeer(f)) return E_FAIL;
  EditState().inWorkObject = f;
  return S_OK;
}

ZORISpecObject_var ZORFeature::GetInWorkObject() {
  return ZORSpecObjectOf(state_->inWorkObject.get());
}
