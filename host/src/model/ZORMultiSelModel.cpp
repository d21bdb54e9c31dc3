#include "ZORMultiSelModel.h"

#include <algorithm>

#include "LifeCycleObject.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORIWENMultiSelAccess.h"

namespace {

// List indices 1 and 2 as 0 and 1; -1 for any other.
int ListOf(int index) {
  return index == 1 || index == 2 ? index - 1 : -1;
}

ZORISpecObject_var AsSpecObject(ZORFeature* feature) {
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(feature));
}

void Reset(ZORListValZORISpecObject_var& list) {
  list.RemoveAll();
}

}  // namespace

ZORMultiSelState& ZORMultiSelModel::State() {
  return owner_.EditState().multiSel;
}

ZORMultiSelState& ZORMultiSelModel::Ready() {
  Bind();
  Index();
  return State();
}

// ---------------------------------------------------------------- derived state

void ZORMultiSelModel::Bind() {
  if (bound_) return;
  auto& s = State();
  ZORPointerMap<const ZORFeature, std::size_t> realAt;
  realAt.Reserve(static_cast<std::size_t>(s.realCount));
  for (std::size_t i = 0; i < static_cast<std::size_t>(s.realCount); ++i) {
    realAt.TryEmplace(s.entries[i].real.get(), i);
  }
  std::vector<bool> used(s.entries.size(), false);
  std::vector<Entry> next;
  next.reserve(s.entries.size() + 1);
  std::size_t candidate = static_cast<std::size_t>(s.realCount);
  for (const auto& child : owner_.state_->children) {
    if (!child->Offers(ZORIWENMultiSelAccess::ClassIID())) continue;
    if (const std::size_t* at = realAt.Find(child.get())) {
      used[*at] = true;
      next.push_back(std::move(s.entries[*at]));
      continue;
    }
    while (candidate < s.entries.size() && !IsLive(s.entries[candidate])) ++candidate;
    Entry entry;
    entry.previewState = kUpToDate;
    if (candidate < s.entries.size()) {
      used[candidate] = true;
      entry = std::move(s.entries[candidate++]);
      entry.input[0] = entry.input[1] = nullptr;  // a real entry reads its feature's inputs
    }
    entry.real = child;
    next.push_back(std::move(entry));
  }
  s.realCount = static_cast<int>(next.size());
  for (std::size_t i = 0; i < s.entries.size(); ++i) {
    if (!used[i] && !s.entries[i].real) next.push_back(std::move(s.entries[i]));
  }
  s.entries = std::move(next);
  bound_ = true;
  indexed_ = false;
}

void ZORMultiSelModel::Index() {
  if (indexed_) return;
  for (int list = 0; list < 2; ++list) {
    byInput_[list].Clear();
    open_[list].clear();
  }
  for (std::size_t position = 0; position < State().entries.size(); ++position) {
    IndexEntry(position);
  }
  indexed_ = true;
}

void ZORMultiSelModel::IndexEntry(std::size_t position) {
  const Entry& entry = State().entries[position];
  if (!IsLive(entry)) return;
  for (int list = 0; list < 2; ++list) {
    ZORFeature* input = InputOf(entry, list);
    if (!input) continue;
    byInput_[list][input].Insert(position);
  }
  if (entry.real) return;
  for (int list = 0; list < 2; ++list) {
    if (!InputOf(entry, list) && InputOf(entry, 1 - list)) open_[list].insert(position);
  }
}

void ZORMultiSelModel::Positions::Insert(std::size_t position) {
  if (Empty() || position == first_) {
    first_ = position;
    return;
  }
  if (!rest_) rest_ = std::make_unique<std::set<std::size_t>>();
  rest_->insert(std::max(position, first_));
  first_ = std::min(position, first_);
}

void ZORMultiSelModel::Positions::Erase(std::size_t position) {
  if (position != first_) {
    if (rest_) rest_->erase(position);
    return;
  }
  if (!rest_ || rest_->empty()) {
    first_ = kNone;
    return;
  }
  first_ = *rest_->begin();
  rest_->erase(rest_->begin());
}

void ZORMultiSelModel::UnindexInput(std::size_t position, int list) {
  ZORFeature* input = InputOf(State().entries[position], list);
  if (!input) return;
  Positions* positions = byInput_[list].Find(input);
  if (!positions) return;
  positions->Erase(position);
  if (positions->Empty()) byInput_[list].Erase(input);
}

ZORFeature* ZORMultiSelModel::InputOf(const Entry& entry, int list) const {
  if (!entry.real) return entry.input[list].get();
  const auto& roles = entry.real->GetFeatureType().GetInputRoles();
  return static_cast<std::size_t>(list) < roles.size() ? entry.real->GetInput(roles[list])
                                                       : nullptr;
}

bool ZORMultiSelModel::SetInputOf(Entry& entry, int list, ZORFeature* input) {
  if (!entry.real) {
    entry.input[list] = input;
    return true;
  }
  const auto& roles = entry.real->GetFeatureType().GetInputRoles();
  if (static_cast<std::size_t>(list) >= roles.size()) return false;
  return SUCCEEDED(
      entry.real->SetInput(roles[list], ZORBaseUnknown_var(static_cast<ZORBaseUnknown*>(input))));
}

long ZORMultiSelModel::Find(const ZORFeature* input, int list) const {
  const Positions* positions = byInput_[list].Find(input);
  return positions ? static_cast<long>(positions->First()) : -1;
}

void ZORMultiSelModel::Withdraw(std::size_t position, int list) {
  Entry& entry = State().entries[position];
  UnindexInput(position, list);
  if (!entry.real && InputOf(entry, 1 - list)) {
    entry.input[list] = nullptr;
    entry.previewState = kExpected;
    open_[list].insert(position);
    return;
  }
  UnindexInput(position, 1 - list);
  open_[0].erase(position);
  open_[1].erase(position);
  entry.previewState = kWithdrawn;
}

template <class Keep>
void ZORMultiSelModel::KeepEntries(Keep keep) {
  auto& s = State();
  std::vector<Entry> kept;
  kept.reserve(s.entries.size());
  int realCount = 0;
  for (auto& entry : s.entries) {
    if (!keep(entry)) continue;
    realCount += entry.real ? 1 : 0;
    kept.push_back(std::move(entry));
  }
  s.entries = std::move(kept);
  s.realCount = realCount;
  indexed_ = false;
}

// ---------------------------------------------------------------- input lists

HRESULT ZORMultiSelModel::GetInputList(ZORListValZORISpecObject_var& inputs, int index) {
  const int list = ListOf(index);
  if (list < 0 || !ZORFaultGate::Pass("ZORIWENMultiSel::GetInputList")) return E_FAIL;
  Bind();
  Reset(inputs);
  for (const Entry& entry : State().entries) {
    ZORFeature* input = IsLive(entry) ? InputOf(entry, list) : nullptr;
    if (input) inputs.Append(AsSpecObject(input));
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::GetInputListSize(int& size, int index) {
  const int list = ListOf(index);
  if (list < 0 || !ZORFaultGate::Pass("ZORIWENMultiSel::GetInputListSize")) return E_FAIL;
  Bind();
  size = 0;
  for (const Entry& entry : State().entries) {
    size += IsLive(entry) && InputOf(entry, list) ? 1 : 0;
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::Declare(const ZORISpecObject_var& input, int index) {
  const int list = ListOf(index);
  if (list < 0 || !ZORFaultGate::Pass("ZORIWENMultiSel::Declare")) return E_FAIL;
  ZORFeature* feature = ZORFeature::From(input.get());
  if (!feature || feature == &owner_ || feature->GetDocument() != owner_.GetDocument() ||
      !feature->IsInDocument()) {
    return E_FAIL;
  }
  auto& s = Ready();
  if (!open_[list].empty()) {
    const std::size_t position = *open_[list].begin();
    open_[list].erase(open_[list].begin());
    Entry& entry = s.entries[position];
    entry.input[list] = feature;
    entry.previewState = kExpected;
    byInput_[list][feature].Insert(position);
    return S_OK;
  }
  Entry entry;
  entry.input[list] = feature;
  s.entries.push_back(std::move(entry));
  IndexEntry(s.entries.size() - 1);
  return S_OK;
}

HRESULT ZORMultiSelModel::RemoveInput(const ZORISpecObject_var& input, int index) {
  const int list = ListOf(index);
  if (list < 0 || !ZORFaultGate::Pass("ZORIWENMultiSel::RemoveInput")) return E_FAIL;
  Ready();
  const long position = Find(ZORFeature::From(input.get()), list);
  if (position < 0) return E_FAIL;
  Withdraw(static_cast<std::size_t>(position), list);
  return S_OK;
}

HRESULT ZORMultiSelModel::RemoveAllInputs(int index) {
  const int list = ListOf(index);
  if (list < 0 || !ZORFaultGate::Pass("ZORIWENMultiSel::RemoveAllInputs")) return E_FAIL;
  auto& s = Ready();
  for (std::size_t position = 0; position < s.entries.size(); ++position) {
    if (IsLive(s.entries[position]) && InputOf(s.entries[position], list)) {
      Withdraw(position, list);
    }
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::ReplaceInput(const ZORISpecObject_var& oldInput,
                                       const ZORISpecObject_var& newInput, int index) {
  const int list = ListOf(index);
  if (list < 0 || !ZORFaultGate::Pass("ZORIWENMultiSel::ReplaceInput")) return E_FAIL;
  ZORFeature* replacement = ZORFeature::From(newInput.get());
  if (!replacement || replacement->GetDocument() != owner_.GetDocument() ||
      !replacement->IsInDocument()) {
    return E_FAIL;
  }
  auto& s = Ready();
  const long found = Find(ZORFeature::From(oldInput.get()), list);
  if (found < 0) return E_FAIL;
  const auto position = static_cast<std::size_t>(found);
  UnindexInput(position, list);
  if (!SetInputOf(s.entries[position], list, replacement)) {
    indexed_ = false;
    return E_FAIL;
  }
  s.entries[position].previewState = kExpected;
  byInput_[list][replacement].Insert(position);
  return S_OK;
}

HRESULT ZORMultiSelModel::RefElementChanged() {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::RefElementChanged")) return E_FAIL;
  for (Entry& entry : Ready().entries) {
    if (IsLive(entry)) entry.previewState = kExpected;
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::SetDeleteTempChildren(const ZORISpecObject_var& feature) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::SetDeleteTempChildren")) return E_FAIL;
  ZORFeature* f = ZORFeature::From(feature.get());
  if (feature && (!f || f->GetDocument() != owner_.GetDocument())) return E_FAIL;
  State().tempChildrenOwner = f;
  return S_OK;
}

HRESULT ZORMultiSelModel::DeleteTempChildren() {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::DeleteTempChildren")) return E_FAIL;
  ZORVar<ZORFeature> marked = std::exchange(State().tempChildrenOwner, nullptr);
  if (!marked) return S_OK;
  const ZORFeatureList children = marked->GetChildren();
  HRESULT result = S_OK;
  for (const auto& child : children) {
    LifeCycleObject_var lifeCycle(static_cast<ZORBaseUnknown*>(child.get()));
    if (!lifeCycle || FAILED(lifeCycle->remove(0))) result = E_FAIL;
  }
  return result;
}

// ---------------------------------------------------------------- previews

HRESULT ZORMultiSelModel::GetPreviews(std::unique_ptr<ZORRawCollint>& indices,
                                      std::unique_ptr<ZORRawCollint>& states) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::GetPreviews")) return E_FAIL;
  Bind();
  indices = std::make_unique<ZORRawCollint>();
  states = std::make_unique<ZORRawCollint>();
  for (const Entry& entry : State().entries) {
    indices->Append(entry.previewIndex);
    states->Append(entry.previewState);
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::SetPreviews(const ZORRawCollint& indices, const ZORRawCollint& states) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::SetPreviews")) return E_FAIL;
  if (indices.Size() != states.Size()) return E_FAIL;
  for (int i = 1; i <= states.Size(); ++i) {
    if (states[i] < kUpToDate || states[i] > kWithdrawn || indices[i] < 0) return E_FAIL;
  }
  auto& s = Ready();
  const int all = static_cast<int>(s.entries.size());
  const auto withdrawnVirtual = std::count_if(s.entries.begin(), s.entries.end(),
                                              [](auto& e) { return !e.real && !IsLive(e); });
  const int size = states.Size();
  if (size != 0 && size != all && size != all - withdrawnVirtual) return E_FAIL;
  if (size != all) KeepEntries([](const Entry& e) { return e.real || IsLive(e); });
  int i = 0;
  for (Entry& entry : s.entries) {
    ++i;
    if (size == 0) {
      entry.previewIndex = 0;
      if (entry.previewState == kExpected || !entry.real) entry.previewState = kUpToDate;
      continue;
    }
    entry.previewIndex = indices[i];
    entry.previewState = states[i];
  }
  indexed_ = false;
  return S_OK;
}

// ---------------------------------------------------------------- real and virtual features

int ZORMultiSelModel::GetNumberOfRealFeatures() {
  Bind();
  return State().realCount;
}

HRESULT ZORMultiSelModel::GetRealFeatures(ZORListValZORISpecObject_var& features) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::GetRealFeatures")) return E_FAIL;
  Bind();
  Reset(features);
  for (const Entry& entry : State().entries) {
    if (entry.real) features.Append(AsSpecObject(entry.real.get()));
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::GetVirtualInputs(ZORListValZORISpecObject_var& inputs1,
                                           ZORListValZORISpecObject_var& inputs2) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::GetVirtualInputs")) return E_FAIL;
  Bind();
  Reset(inputs1);
  Reset(inputs2);
  bool second = false;
  for (const Entry& entry : State().entries) {
    if (entry.real || !IsLive(entry)) continue;
    inputs1.Append(AsSpecObject(entry.input[0].get()));
    inputs2.Append(AsSpecObject(entry.input[1].get()));
    second = second || entry.input[1];
  }
  if (!second) Reset(inputs2);
  return S_OK;
}

HRESULT ZORMultiSelModel::GetRemainingRealFeatsInitialPosition(ZORRawCollint& positions) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::GetRemainingRealFeatsInitialPosition")) {
    return E_FAIL;
  }
  Bind();
  positions.RemoveAll();
  for (const Entry& entry : State().entries) {
    if (entry.real && entry.initialPosition > 0) positions.Append(entry.initialPosition);
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::GetFeaturesToRemove(ZORListValZORISpecObject_var& features) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::GetFeaturesToRemove")) return E_FAIL;
  Bind();
  Reset(features);
  for (const Entry& entry : State().entries) {
    if (entry.real && !IsLive(entry)) features.Append(AsSpecObject(entry.real.get()));
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::GetImpactedFeatures(ZORListValZORISpecObject_var& created,
                                              ZORListValZORISpecObject_var& removed,
                                              ZORListValZORISpecObject_var* modified) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::GetImpactedFeatures")) return E_FAIL;
  Bind();
  Reset(created);
  Reset(removed);
  if (modified) Reset(*modified);
  for (const Entry& entry : State().entries) {
    if (!entry.real) {
      if (IsLive(entry) && entry.input[0]) created.Append(AsSpecObject(entry.input[0].get()));
    } else if (!IsLive(entry)) {
      removed.Append(AsSpecObject(entry.real.get()));
    } else if (modified && entry.previewState == kExpected) {
      modified->Append(AsSpecObject(entry.real.get()));
    }
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::GetResults(ZORListValZORISpecObject_var& results) {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::GetResults")) return E_FAIL;
  Bind();
  Reset(results);
  for (const Entry& entry : State().entries) {
    if (entry.real && IsLive(entry)) results.Append(AsSpecObject(entry.real.get()));
  }
  return S_OK;
}

HRESULT ZORMultiSelModel::IsThereAnyFeatureManaged(bool& any) {
  Bind();
  const auto& entries = State().entries;
  any = std::any_of(entries.begin(), entries.end(), [](const Entry& e) { return IsLive(e); });
  return S_OK;
}

// ---------------------------------------------------------------- lifecycle

HRESULT ZORMultiSelModel::Start() {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::StartMultiSel")) return E_FAIL;
  if (!owner_.IsInDocument()) return E_FAIL;
  auto& s = Ready();
  for (int i = 0; i < s.realCount; ++i)
    s.entries[static_cast<std::size_t>(i)].initialPosition = i + 1;
  return S_OK;
}

HRESULT ZORMultiSelModel::Finish() {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::FinishMultiSel")) return E_FAIL;
  ZORListValZORISpecObject_var withdrawn;
  if (FAILED(GetFeaturesToRemove(withdrawn))) return E_FAIL;
  HRESULT result = S_OK;
  for (const auto& feature : withdrawn) {
    LifeCycleObject_var lifeCycle(feature);
    if (!lifeCycle || FAILED(lifeCycle->remove(0))) result = E_FAIL;
  }
  Bind();
  KeepEntries([](const Entry& e) { return static_cast<bool>(e.real); });
  for (Entry& entry : State().entries) {
    entry.previewIndex = 0;
    if (IsLive(entry)) entry.previewState = kUpToDate;
  }
  return result;
}

HRESULT ZORMultiSelModel::Clean() {
  if (!ZORFaultGate::Pass("ZORIWENMultiSel::CleanMultiSel")) return E_FAIL;
  Bind();
  KeepEntries([](const Entry& e) { return static_cast<bool>(e.real); });
  for (Entry& entry : State().entries) entry.previewIndex = 0;
  State().tempChildrenOwner = nullptr;
  return S_OK;
}

std::string ZORMultiSelModel::Describe() {
  Bind();
  const auto& s = State();
  const auto withdrawn =
      std::count_if(s.entries.begin(), s.entries.end(), [](auto& e) { return !IsLive(e); });
  std::string text =
      "entries=" + std::to_string(s.entries.size()) + " real=" + std::to_string(s.realCount);
  if (withdrawn) text += " withdrawn=" + std::to_string(withdrawn);
  return text;
}
