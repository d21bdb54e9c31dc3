#include "ZORWENMSManager.h"

#include <utility>

#include "ZORGmoInputDescriptionSwitch.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORI3DGeoVisu.h"
#include "ZORIDescendants.h"
#include "ZORIInputDescription.h"
#include "ZORIMechanicalFeature.h"
#include "ZORIMmiContextualManager.h"
#include "ZORIPrtManagement.h"
#include "ZORISpecAttrAccess.h"
#include "ZORISpecScan.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORIWENMultiSelFactory.h"
#include "ZORIWENTool.h"
#include "ZORMmrCacheInputDescriptionAdaptor.h"
#include "ZORSysLogAbend.h"
#include "ZORWENMSConverter.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUISelectorList.h"

namespace {

bool IsListIndex(int index) {
  return index == 1 || index == 2;
}

// The child at `position` of a feature; null when it has no children or no such child.
ZORISpecObject_var ChildAt(const ZORBaseUnknown_var& father, int position) {
  ZORIDescendants_var children(father);
  return children ? children->GetChildAtPosition(position) : nullptr;
}

// Links `input` to `owner` under `role` (the same name on both sides).
void LinkUnder(const ZORISpecObject_var& input, const char* role, const ZORISpecObject_var& owner) {
  if (ZORISpecAttrAccess_var access{input}) access->LinkTo(role, owner, role);
}

// Hands `feature` to `owner` mechanically (null owner handle: nothing is done).
void SetMechanicalOwner(const ZORISpecObject_var& feature, const ZORBaseUnknown_var& owner) {
  ZORIMechanicalFeature_var mechanical(feature);
  ZORIMechanicalFeature_var ownerMechanical(owner);
  if (mechanical && ownerMechanical) mechanical->SetMechanicalOwner(ownerMechanical);
}

}  // namespace

ZORWENMSManager::ZORWENMSManager(const ZORISpecObject_var& matrix,
                                 const ZORISpecObject_var& existing) {
  InitializeManager(matrix, existing);
}

ZORWENMSManager::~ZORWENMSManager() {
  ReleasePreviews();
  if (multiSel_) multiSel_->CleanMultiSel();
  if (matrix_) ZORGuiUtilitiesServices::Remove(std::exchange(matrix_, nullptr));
}

void ZORWENMSManager::ReleasePreviews() {
  for (ZORBody* body : previews_) {
    if (!body) continue;
    if (iso_) RemoveElementISO(body);
    // Previews live only while the command runs: the factory lets them go even when they were
    // never shown, so that an abandoned command leaves no stray bodies behind.
    if (factory_) factory_->Remove(body);
  }
  previews_.RemoveAll();
  iso_ = nullptr;
}

// ---------------------------------------------------------------- set-up

HRESULT ZORWENMSManager::InitializeManager(const ZORISpecObject_var& matrix,
                                           const ZORISpecObject_var& existing) {
  factory_ = ZORGuiUtilitiesServices::GetCurrentGeoFactory();
  if (!factory_) return E_FAIL;
  matrix_ = matrix;
  if (ZORISpecAttrAccess_var attributes{matrix_}) {
    if (!attributes->GetAttrKey("MultiSelMatrixFeature")) {
      attributes->AddAttribute("MultiSelMatrixFeature", 8, 0);
    }
  }
  if (ZORIWENMultiSel_var(matrix_) || FAILED(TakeMultiSel(existing))) {
    // A manager that failed lets go of the matrix: its destruction must not take the caller's
    // feature out of the model.
    matrix_ = nullptr;
    factory_ = nullptr;
    return E_FAIL;
  }
  initialRealCount_ = multiSel_->GetNumberOfRealFeatures();
  if (ZORIWENTool_var tool{multiSel_}) tool->SetPrivate(0);
  return multiSel_->StartMultiSel();
}

HRESULT ZORWENMSManager::TakeMultiSel(const ZORISpecObject_var& existing) {
  if (ZORIWENMultiSel_var edited{existing}) {
    multiSel_ = edited;
    return S_OK;
  }
  if (existing) return CreateAroundPlainFeature(existing);
  ZORIWENMultiSelFactory_var msFactory =
      ZORGuiBasicUtilitiesServices::GetCurrentWENMultiSelFactory();
  multiSel_ = msFactory ? ZORIWENMultiSel_var(msFactory->CreateMultiSel()) : nullptr;
  return multiSel_ ? S_OK : E_FAIL;
}

// A feature made singly and edited in multi-selection mode: a new multi-selection feature takes
// its place in the tree and holds it as its first result, and its contextual inputs follow it.
HRESULT ZORWENMSManager::CreateAroundPlainFeature(const ZORISpecObject_var& plain) {
  multiSel_ = ZORWENMSConverter::ReplacePlainFeature(
      ZORGuiBasicUtilitiesServices::GetCurrentWENMultiSelFactory(), plain);
  if (!multiSel_) return E_FAIL;
  const ZORISpecObject_var created(multiSel_);
  if (ZORGmoUtilitiesServices::IsFeatureInShapeBody(created)) {
    if (ZORIWENTool_var tool{created}) tool->SetShapeBodyTool(1);
  }
  ZORIWENMultiSelAccess_var access(plain);
  ZORListValZORISpecObject_var inputs;
  if (!access || FAILED(access->GetMultiSelInputs(inputs))) return S_OK;
  for (const ZORISpecObject_var& input : inputs) {
    ZORIMmiContextualManager_var contextual(input);
    ZORISpecScan_var scan(input);
    if (!contextual || !scan || !contextual->GetContext()) continue;
    ZORListValZORISpecObject_var users;
    scan->ListUsers(users);
    if (ZORGuiUtilitiesServices::IsSame(plain, users)) LinkUnder(input, "_FtrList", created);
  }
  return S_OK;
}

void ZORWENMSManager::SetMisc(ZORISO* iso, bool misc) {
  iso_ = iso;
  misc_ = misc;
}

// ---------------------------------------------------------------- queries

HRESULT ZORWENMSManager::GetMSList(ZORListValZORISpecObject_var& list, int index) {
  if (!IsListIndex(index) || !multiSel_) return E_FAIL;
  return multiSel_->GetInputList(list, index);
}

HRESULT ZORWENMSManager::GetMSListSize(int& size, int index) {
  if (!IsListIndex(index) || !multiSel_) return E_FAIL;
  return multiSel_->GetInputListSize(size, index);
}

HRESULT ZORWENMSManager::IsThereAnyFeatureManaged(bool& any) {
  if (!multiSel_) return E_FAIL;
  return multiSel_->IsThereAnyFeatureManaged(any);
}

ZORISpecObject_var ZORWENMSManager::GetMultiSel() const {
  if (singleRealFeature_) return singleRealFeature_;
  return ZORISpecObject_var(multiSel_);
}

HRESULT ZORWENMSManager::GetRealFeaturesList(ZORListValZORISpecObject_var& list) {
  if (singleRealFeature_) {
    list.Append(singleRealFeature_);
    return S_OK;
  }
  if (!multiSel_) return E_FAIL;
  return multiSel_->GetRealFeatures(list);
}

HRESULT ZORWENMSManager::GetImpactedFeatures(ZORListValZORISpecObject_var& list1,
                                             ZORListValZORISpecObject_var& list2) {
  if (multiSel_) return multiSel_->GetImpactedFeatures(list1, list2);
  list1.RemoveAll();
  list2.RemoveAll();
  return E_FAIL;
}

HRESULT ZORWENMSManager::GetImpactedFeatures(ZORListValZORISpecObject_var& list1,
                                             ZORListValZORISpecObject_var& list2,
                                             ZORListValZORISpecObject_var& list3) {
  if (multiSel_) return multiSel_->GetImpactedFeatures(list1, list2, list3);
  list1.RemoveAll();
  list2.RemoveAll();
  list3.RemoveAll();
  return E_FAIL;
}

HRESULT ZORWENMSManager::GetResults(ZORListValZORISpecObject_var& list) {
  if (!multiSel_) return E_FAIL;
  return multiSel_->GetResults(list);
}

HRESULT ZORWENMSManager::GetResults(ZORListValZORISpecObject_var& list1,
                                    ZORListValZORISpecObject_var& list2,
                                    ZORListValZORISpecObject_var& list3,
                                    ZORListValZORISpecObject_var& list4) {
  const HRESULT hr = GetImpactedFeatures(list1, list3, list4);
  if (FAILED(hr)) return hr;
  return GetResults(list2);
}

HRESULT ZORWENMSManager::GetRemainingRealFeatsInitialPosition(ZORRawCollint*& positions) {
  positions = nullptr;
  auto read = std::make_unique<ZORRawCollint>();
  if (!multiSel_ || FAILED(multiSel_->GetRemainingRealFeatsInitialPosition(*read))) {
    ZORSysLogAbend("pb lors de la recup des pos. initiales des features reels restant");
    return E_FAIL;
  }
  positions = read.release();
  return S_OK;
}

// ---------------------------------------------------------------- editing the lists

HRESULT ZORWENMSManager::RerouteSingleFeature(const ZORISpecObject_var& feature, int index,
                                              bool& goOn, bool replaceIfSingle) {
  goOn = true;
  if (replaceIfSingle) {
    ZORListValZORISpecObject_var list;
    const HRESULT hr = GetMSList(list, index);
    if (FAILED(hr) || list.Size() != 1) return hr;
    goOn = false;
    return Replace(list[1], feature, index);
  }
  // A multi-selection collapsed to one result: its missing input is filled in place.
  ZORIWENMultiSel_var multiSel(GetMultiSel());
  if (!multiSel || multiSel->GetNumberOfRealFeatures() != 1) return S_OK;
  ZORIWENMultiSelAccess_var first(ChildAt(ZORBaseUnknown_var(multiSel), 1));
  ZORISpecObject_var current;
  if (!first || FAILED(first->GetMultiSelInput(index, current)) || current) return S_OK;
  goOn = false;
  return first->SetMultiSelInput(index, feature);
}

HRESULT ZORWENMSManager::Declare(const ZORISpecObject_var& feature, int index,
                                 bool replaceIfSingle) {
  // Nothing to declare: refused before a lone real feature's input could be cleared by it.
  if (!feature || !IsListIndex(index) || !multiSel_) return E_FAIL;
  bool goOn = true;
  const HRESULT hr = RerouteSingleFeature(feature, index, goOn, replaceIfSingle);
  if (!goOn) return hr;
  return multiSel_->Declare(feature, index);
}

HRESULT ZORWENMSManager::Declare(const ZORISpecObject_var& feature, bool replaceIfSingle) {
  return Declare(feature, 1, replaceIfSingle);
}

HRESULT ZORWENMSManager::Remove(const ZORISpecObject_var& feature, int index) {
  if (!IsListIndex(index) || !multiSel_) return E_FAIL;
  return multiSel_->RemoveInput(feature, index);
}

HRESULT ZORWENMSManager::RemoveAll(int index) {
  if (!IsListIndex(index) || !multiSel_) return E_FAIL;
  return multiSel_->RemoveAllInputs(index);
}

HRESULT ZORWENMSManager::Replace(const ZORISpecObject_var& oldFeature,
                                 const ZORISpecObject_var& newFeature, int index) {
  if (!IsListIndex(index) || !multiSel_) return E_FAIL;
  return multiSel_->ReplaceInput(oldFeature, newFeature, index);
}

HRESULT ZORWENMSManager::RefElementChanged() {
  if (!multiSel_) return E_FAIL;
  return multiSel_->RefElementChanged();
}

HRESULT ZORWENMSManager::SetDeleteTempChildren(const ZORISpecObject_var& feature) {
  if (!multiSel_) return E_FAIL;
  return multiSel_->SetDeleteTempChildren(feature);
}

HRESULT ZORWENMSManager::DeleteTempChildren() {
  if (!multiSel_) return E_FAIL;
  return multiSel_->DeleteTempChildren();
}

// ---------------------------------------------------------------- previews

HRESULT ZORWENMSManager::ReadPreviews(std::unique_ptr<ZORRawCollint>& indices,
                                      std::unique_ptr<ZORRawCollint>& states) {
  if (!multiSel_) return E_FAIL;
  const HRESULT hr = multiSel_->GetPreviews(indices, states);
  if (FAILED(hr) || !indices || !states || indices->Size() != states->Size()) return E_FAIL;
  return S_OK;
}

ZORBody* ZORWENMSManager::PreviewAt(int index) const {
  return index >= 1 && index <= previews_.Size() ? previews_[index] : nullptr;
}

void ZORWENMSManager::HidePreview(int index) {
  if (ZORBody* body = PreviewAt(index)) RemoveElementISO(body);
}

HRESULT ZORWENMSManager::Synchronize() {
  if (!iso_) return E_FAIL;
  for (ZORBody* body : previews_) {
    if (body) RemoveElementISO(body);
  }
  std::unique_ptr<ZORRawCollint> indices;
  std::unique_ptr<ZORRawCollint> states;
  if (FAILED(ReadPreviews(indices, states))) return E_FAIL;
  for (int i = 1; i <= indices->Size(); ++i) {
    if ((*states)[i] == 2) continue;
    if (ZORBody* body = PreviewAt((*indices)[i])) AddElementISO(body);
  }
  return S_OK;
}

HRESULT ZORWENMSManager::ValidateTempManipulations(ZORListPtrZORBody& bodies, bool misc) {
  tempValidation_ = true;
  return ValidateManipulations(bodies, misc);
}

// The k-th manipulated body becomes the preview of an entry that expected one: it is shown,
// and either takes the place of the entry's old preview (temporary validation) or is appended.
int ZORWENMSManager::TakeManipulatedBody(ZORBody* body, int oldIndex, bool replaceInPlace) {
  HidePreview(oldIndex);
  if (!body) return 0;
  AddElementISO(body);
  if (replaceInPlace && PreviewAt(oldIndex)) {
    ZORBody* old = previews_[oldIndex];
    if (old != body && factory_) factory_->Remove(old);
    previews_.ReplaceAt(oldIndex, body);
    return oldIndex;
  }
  previews_.Append(body);
  return previews_.Size();
}

HRESULT ZORWENMSManager::ValidateManipulations(ZORListPtrZORBody& bodies, bool /*misc*/) {
  const bool replaceInPlace = std::exchange(tempValidation_, false);
  std::unique_ptr<ZORRawCollint> indices;
  std::unique_ptr<ZORRawCollint> states;
  if (FAILED(ReadPreviews(indices, states))) return E_FAIL;
  const int realCount = multiSel_->GetNumberOfRealFeatures();
  ZORIDescendants_var children(multiSel_);
  ZORRawCollint keptIndices;
  ZORRawCollint keptStates;
  int k = 1;
  for (int i = 1; i <= indices->Size(); ++i) {
    int index = (*indices)[i];
    int state = (*states)[i];
    if (i <= realCount) {
      if (state == 1) state = 0;
      if (state == 2 && children) ZORWENUINoShow(children->GetChildAtPosition(i));
    } else if (state == 1 && k <= bodies.Size()) {
      index = TakeManipulatedBody(bodies[k++], index, replaceInPlace);
      state = 0;
    } else if (state == 2) {
      HidePreview(index);
      continue;
    }
    keptIndices.Append(index);
    keptStates.Append(state);
  }
  return multiSel_->SetPreviews(keptIndices, keptStates);
}

HRESULT ZORWENMSManager::SetVirtFeatsPreviewsToNull() {
  std::unique_ptr<ZORRawCollint> indices;
  std::unique_ptr<ZORRawCollint> states;
  if (FAILED(ReadPreviews(indices, states))) return E_FAIL;
  const int realCount = multiSel_->GetNumberOfRealFeatures();
  ZORRawCollint keptIndices;
  ZORRawCollint keptStates;
  for (int i = 1; i <= indices->Size(); ++i) {
    if (i <= realCount) {
      keptIndices.Append((*indices)[i]);
      keptStates.Append((*states)[i]);
      continue;
    }
    HidePreview((*indices)[i]);
    if ((*states)[i] == 2) continue;
    keptIndices.Append(0);
    keptStates.Append(0);
  }
  return multiSel_->SetPreviews(keptIndices, keptStates);
}

// ---------------------------------------------------------------- results

HRESULT ZORWENMSManager::ConvertVirtFeatsToRealFeats() {
  if (!multiSel_ || !matrix_) return E_FAIL;
  ZORListValZORISpecObject_var inputs1;
  ZORListValZORISpecObject_var inputs2;
  if (FAILED(multiSel_->GetVirtualInputs(inputs1, inputs2))) return E_FAIL;
  return ZORWENMSConverter::ConvertToRealFeatures(multiSel_, matrix_, inputs1, inputs2);
}

HRESULT ZORWENMSManager::ValidateResults() {
  SetVirtFeatsPreviewsToNull();
  ConvertVirtFeatsToRealFeats();
  return E_FAIL;
}

HRESULT ZORWENMSManager::FinalizeMultisel(bool asGroupInput, bool noPartManagement) {
  if (!multiSel_) return E_FAIL;
  multiSel_->FinishMultiSel();
  if (multiSel_->GetNumberOfRealFeatures() != 1) {
    if (ZORIWENTool_var tool{multiSel_}) tool->SetPrivate(1);
    return S_OK;
  }
  // One result: it stands alone where the multi-selection feature stood.
  const ZORISpecObject_var msFeature(multiSel_);
  const ZORISpecObject_var result = ChildAt(ZORBaseUnknown_var(msFeature), 1);
  const ZORISpecObject_var father = msFeature->GetFather();
  ZORIDescendants_var siblings(father);
  if (!result || !siblings) return E_FAIL;
  const int position = siblings->GetPosition(msFeature);
  ZORGmoInputDescriptionSwitch::SetCurrentEditedFeature(result);
  ZORIInputDescription_var description(result);
  if (auto* adaptor = dynamic_cast<ZORMmrCacheInputDescriptionAdaptor*>(description.get())) {
    adaptor->SetMode(2);
  }
  SetMechanicalOwner(result, father);
  siblings->AddChild(result, position + 1);
  ZORGuiUtilitiesServices::Remove(msFeature);
  multiSel_ = nullptr;
  singleRealFeature_ = result;
  if (ZORGmoUtilitiesServices::IsFeatureInShapeBody(result) && !noPartManagement) {
    if (ZORIPrtManagement_var part{ZORGuiUtilitiesServices::GetCurrentPart()}) {
      part->SetInWorkObject(result);
    }
  }
  if (asGroupInput) ZORGmoUtilitiesServices::ManageAsGroupInput(result);
  return S_OK;
}

HRESULT ZORWENMSManager::DestroyRealFeats() {
  if (!multiSel_) return E_FAIL;
  ZORListValZORISpecObject_var reals;
  const HRESULT hr = multiSel_->GetRealFeatures(reals);
  for (const ZORISpecObject_var& real : reals) {
    ZORIInputDescription_var description(real);
    ZORBaseUnknown_var input;
    if (ZORGmoUtilitiesServices::IsFeatureInShapeBody(real) && description &&
        SUCCEEDED(description->GetMainInput(input))) {
      ZORWENUIShow(ZORISpecObject_var(input));
    }
    ZORGuiUtilitiesServices::Remove(real);
  }
  return hr;
}

// ---------------------------------------------------------------- show and pick

HRESULT ZORWENMSManager::ZORWENUINoShow(const ZORISpecObject_var& feature) {
  return ZORGuiUtilitiesServices::Hide(feature);
}

HRESULT ZORWENMSManager::ZORWENUIShow(const ZORISpecObject_var& feature) {
  return ZORGuiUtilitiesServices::Show(feature);
}

void ZORWENMSManager::StoreInitialStatus(std::vector<int>& status,
                                         int (*isOff)(const ZORISpecObject_var&)) {
  status.clear();
  const ZORBaseUnknown_var msFeature(multiSel_);
  for (int position = 1; position <= initialRealCount_; ++position) {
    status.push_back(isOff(ChildAt(msFeature, position)) ? 0 : 1);
  }
}

HRESULT ZORWENMSManager::StoreInitialShowStatusForRealFeats() {
  StoreInitialStatus(initialShow_, &ZORGuiUtilitiesServices::ZORWENUIIsInNoShow);
  return S_OK;
}

HRESULT ZORWENMSManager::StoreInitialPickStatusForRealFeats() {
  StoreInitialStatus(initialPick_, &ZORGuiUtilitiesServices::ZORWENUIIsInNoPick);
  return S_OK;
}

HRESULT ZORWENMSManager::GetInitialStatusForRemaining(const std::vector<int>& status,
                                                      ZORListValZORISpecObject_var& list) {
  list.RemoveAll();
  if (!multiSel_) {
    if (singleRealFeature_ && !status.empty() && status.front() == 0) {
      list.Append(singleRealFeature_);
    }
    return S_OK;
  }
  ZORRawCollint* read = nullptr;
  if (FAILED(GetRemainingRealFeatsInitialPosition(read))) return E_FAIL;
  const std::unique_ptr<ZORRawCollint> positions(read);
  const ZORBaseUnknown_var msFeature(multiSel_);
  for (int k = 1; k <= positions->Size(); ++k) {
    const int initial = (*positions)[k];
    if (initial < 1 || initial > static_cast<int>(status.size())) continue;
    if (status[static_cast<std::size_t>(initial - 1)] == 0) list.Append(ChildAt(msFeature, k));
  }
  return S_OK;
}

HRESULT ZORWENMSManager::GetInitialShowStatusForRemainingRealFeats(
    ZORListValZORISpecObject_var& list) {
  return GetInitialStatusForRemaining(initialShow_, list);
}

HRESULT ZORWENMSManager::GetInitialPickStatusForRemainingRealFeats(
    ZORListValZORISpecObject_var& list) {
  return GetInitialStatusForRemaining(initialPick_, list);
}

// ---------------------------------------------------------------- interactive set

HRESULT ZORWENMSManager::AddElementISO(ZORBody*& body) {
  if (!body) return E_FAIL;
  if (shownIndex_.count(body)) return iso_ ? S_OK : E_FAIL;
  ZORI3DGeoVisu_var visu(body);
  ZOR3DRep* rep = visu ? visu->GiveRep() : nullptr;
  if (!rep) return E_FAIL;
  ZORSt3DISO_var element = ZORMake<ZORSt3DISO>(rep);
  shownIndex_.emplace(body, shown_.insert(shown_.end(), Shown{body, element}));
  if (!iso_) return E_FAIL;
  iso_->AddElement(element.get());
  return S_OK;
}

HRESULT ZORWENMSManager::RemoveElementISO(ZORBody*& body) {
  const auto found = shownIndex_.find(body);
  if (found == shownIndex_.end()) return E_FAIL;
  if (iso_) iso_->RemoveElement(found->second->element.get());
  shown_.erase(found->second);
  shownIndex_.erase(found);
  return iso_ ? S_OK : E_FAIL;
}

// ---------------------------------------------------------------- picks inside the results

int ZORWENMSManager::IsAnInternalOfMO(ZORWENUIFeatureAgent* agent, ZORISpecObject_var& feature,
                                      ZORWENUISelectorList* list1, ZORWENUISelectorList* list2) {
  if (!agent || agent->GetListOfValues()->GetSize() != 1) return 0;
  const ZORPathElement* path = agent->GetValuePath();
  if (!path || !multiSel_) return 0;
  const ZORISpecObject_var picked(path->GetFatherOfLeaf());
  ZORIDescendants_var children(multiSel_);
  if (!picked || !children || children->GetPosition(picked) == 0) return 0;
  ZORIWENMultiSelAccess_var access(picked);
  if (!access) return 0;
  SelectInputRow(access, 1, list1);
  SelectInputRow(access, 2, list2);
  feature = picked;
  return 1;
}

// Selects, in `list`, the row of the real feature's input of list `index`.
void ZORWENMSManager::SelectInputRow(const ZORIWENMultiSelAccess_var& access, int index,
                                     ZORWENUISelectorList* list) {
  if (!list) return;
  list->ClearSelection();
  ZORISpecObject_var input;
  ZORListValZORISpecObject_var inputs;
  if (FAILED(access->GetMultiSelInput(index, input)) || !input) return;
  if (FAILED(GetMSList(inputs, index))) return;
  const int position = inputs.Locate(input);
  if (position) list->SelectRow(position - 1);
}
