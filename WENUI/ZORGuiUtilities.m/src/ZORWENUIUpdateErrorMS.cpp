#include "ZORWENUIUpdateErrorMS.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiInputError.h"
#include "ZORIDescendants.h"
#include "ZORIMechanicalProperties.h"
#include "ZORIUpdateError.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORWENMSManager.h"
#include "ZORWENUIPanelError.h"

namespace {

constexpr const char* kIntersectionType = "WENIntersect";
// What the replace agent acquires: points, curves, surfaces and volumes, in this order.
constexpr const char* kParentTypes[] = {"ZORIMfZeroDimResult", "ZORIMfMonoDimResult",
                                        "ZORIMfBiDimResult", "ZORIMfTriDimResult"};
constexpr unsigned int kAlreadyInFirstList = 2048;

// The one-line diagnosis of a feature in error.
ZORUnicodeString DiagnosisOf(const ZORISpecObject_var& feature) {
  ZORIUpdateError_var updateError(feature);
  const ZORVar<ZORMfErrUpdate> error = updateError ? updateError->GetUpdateError() : nullptr;
  std::string text = error ? error->GetDiagnostic().str() : std::string("Error");
  std::replace(text.begin(), text.end(), '\n', ' ');
  return ZORUnicodeString(std::move(text));
}

void Deactivate(const ZORISpecObject_var& feature) {
  if (ZORIMechanicalProperties_var properties{feature}) properties->Deactivate();
}

ZORVar<ZORDialogAgent> ButtonAgent(const char* name, ZORCommand* panel,
                                   const char* notificationClass) {
  ZORVar<ZORDialogAgent> agent = ZORMake<ZORDialogAgent>(name);
  agent->AcceptOnNotify(panel, notificationClass);
  return agent;
}

}  // namespace

ZORWENUIUpdateErrorMS::ZORWENUIUpdateErrorMS(const ZORString& name,
                                             const ZORListValZORISpecObject_var& featuresInError,
                                             ZORCommandMode mode, ZORWENMSManager* manager)
    : ZORMMUIPanelStateCmd(name, mode), manager_(manager), rows_(featuresInError) {
  SetBehavior(kBehavior);
}

ZORWENUIUpdateErrorMS::~ZORWENUIUpdateErrorMS() {
  ReleaseAgents();
  if (panel_) panel_->RequestDelayedDestruction();
}

// ---------------------------------------------------------------- graph

void ZORWENUIUpdateErrorMS::BuildGraph() {
  if (panel_) return;
  const ZORISpecObject_var first = rows_.IsEmpty() ? nullptr : rows_.At(0).feature;
  twoParents_ = first && first->IsSubTypeOf(kIntersectionType);
  panel_ = new ZORWENUIUpdateErrorMSPanel(GetDialog());
  panel_->BuildPanel(twoParents_);

  ZORListValZORUnicodeString diagnoses;
  if (!GatherRows(diagnoses)) {
    // No row reaches the panel, and its buttons say there is nothing to act on.
    panel_->UpdatePanel(nullptr, 0);
    return;
  }
  panel_->SetListOfFeature(rows_.Features(), rows_.FirstParents(), rows_.SecondParents(),
                           diagnoses);
  CreateAgents();
  CreateStatesAndTransitions();
}

bool ZORWENUIUpdateErrorMS::GatherRows(ZORListValZORUnicodeString& diagnoses) {
  // Each row keeps its own parents, so that the parent columns stay in line with their
  // features even where an input is missing.
  for (int row = 0; row < rows_.Size(); ++row) {
    ZORWENUIUpdateErrorMSRows::Row& entry = rows_.At(row);
    ZORIWENMultiSelAccess_var access(entry.feature);
    if (access && FAILED(access->GetMultiSelInput(1, entry.parent1))) return false;
    // The rows gathered so far are shown; the later ones keep their names and first parents.
    if (twoParents_ && access && FAILED(access->GetMultiSelInput(2, entry.parent2))) return true;
    diagnoses.Append(DiagnosisOf(entry.feature));
  }
  return true;
}

void ZORWENUIUpdateErrorMS::CreateAgents() {
  replaceAgent_ = ZORMake<ZORWENUIUpdateErrorMSReplaceAgent>(
      "_Replace", ZORString(), 0, 0, ZORBaseUnknown_var(static_cast<ZORCommand*>(this)));
  for (const char* type : kParentTypes) replaceAgent_->AddOrderedElementType(type);
  replaceAgent_->SetFilter(&ZORWENUIUpdateErrorMS::IsAFeatureInCurrentMO, this, nullptr);

  ZORWENUIUpdateErrorMSPanel* panel = panel_.get();
  deactivateAgent_ =
      ButtonAgent("_iaDeactivate", panel, ZORWENUIUpdateErrorMSDeactivateNotification::ClassName());
  deleteAgent_ =
      ButtonAgent("_iaDelete", panel, ZORWENUIUpdateErrorMSDeleteNotification::ClassName());
  deactivateAllAgent_ = ButtonAgent("_iaDeactivate", panel,
                                    ZORWENUIUpdateErrorMSDeactivateAllNotification::ClassName());
  deleteAllAgent_ =
      ButtonAgent("_iaDeleteAll", panel, ZORWENUIUpdateErrorMSDeleteAllNotification::ClassName());
  replaceParentAgent_ = ButtonAgent("_iaReplaceParent", panel,
                                    ZORWENUIUpdateErrorMSReplaceParentNotification::ClassName());
  replaceParent2Agent_ = ButtonAgent("_iaReplaceParent2", panel,
                                     ZORWENUIUpdateErrorMSReplaceParentNotification2::ClassName());
}

void ZORWENUIUpdateErrorMS::CreateStatesAndTransitions() {
  ZORDialogState* state1 = GetInitialPanelState("state1");
  ZORDialogState* state2 = AddPanelState("state2");
  ZORDialogState* state3 = AddPanelState("state3");

  // The repairs that every state offers, with the action each one runs.
  const std::pair<ZORDialogAgent*, bool (ZORWENUIUpdateErrorMS::*)(ZORCallbackData)> repairs[] = {
      {deactivateAgent_.get(), &ZORWENUIUpdateErrorMS::DeactivateFeatures},
      {deleteAgent_.get(), &ZORWENUIUpdateErrorMS::DeleteFeatures},
      {deactivateAllAgent_.get(), &ZORWENUIUpdateErrorMS::DeactivateAllFeatures},
      {deleteAllAgent_.get(), &ZORWENUIUpdateErrorMS::DeleteAllFeatures}};
  for (ZORDialogState* state : {state1, state2, state3}) {
    for (const auto& repair : repairs) AddAgent(state, repair.first);
  }
  AddAgent(state1, replaceParentAgent_.get());
  AddAgent(state1, replaceParent2Agent_.get());
  AddAgent(state2, replaceAgent_.get());
  AddAgent(state2, replaceParent2Agent_.get());
  AddAgent(state3, replaceAgent_.get());
  AddAgent(state3, replaceParentAgent_.get());

  for (const auto& repair : repairs) {
    AddTransition(state1, state1, IsOutputSetCondition(repair.first),
                  Action(repair.second, repair.first));
  }
  const ZORCondition oneLine = Condition(&ZORWENUIUpdateErrorMS::IsOneLineSelected, nullptr);
  const ZORCondition toFirst =
      ZORAndCondition(IsOutputSetCondition(replaceParentAgent_.get()), oneLine);
  const ZORCondition toSecond =
      ZORAndCondition(IsOutputSetCondition(replaceParent2Agent_.get()), oneLine);
  const ZORAction initFirst =
      Action(&ZORWENUIUpdateErrorMS::ReplaceParentInit, replaceParentAgent_.get());
  const ZORAction initSecond =
      Action(&ZORWENUIUpdateErrorMS::ReplaceParentInit, replaceParent2Agent_.get());
  AddTransition(state1, state2, toFirst, initFirst);
  AddTransition(state3, state2, toFirst, initFirst);
  AddTransition(state1, state3, toSecond, initSecond);
  AddTransition(state2, state3, toSecond, initSecond);

  const ZORCondition picked =
      ZORAndCondition(IsOutputSetCondition(replaceAgent_.get()),
                      Condition(&ZORWENUIUpdateErrorMS::IsFeatureNotAlreadySelected, nullptr));
  AddTransition(state2, state1, picked,
                Action(&ZORWENUIUpdateErrorMS::ReplaceFirstParent, replaceAgent_.get()));
  AddTransition(state3, state1, picked,
                Action(&ZORWENUIUpdateErrorMS::ReplaceSecondParent, replaceAgent_.get()));

  for (ZORDialogState* state : {state2, state3}) {
    for (const auto& repair : repairs) {
      AddTransition(state, state1, IsOutputSetCondition(repair.first),
                    Action(repair.second, repair.first));
    }
  }
}

// ---------------------------------------------------------------- lifecycle

int ZORWENUIUpdateErrorMS::Cancel(ZORCommand* caller, ZORNotification* notification) {
  if (panel_) panel_->RequestDelayedDestruction();
  ReleaseAgents();
  return ZORMMUIPanelStateCmd::Cancel(caller, notification);
}

void ZORWENUIUpdateErrorMS::ReleaseAgents() {
  if (replaceAgent_) replaceAgent_->RemoveFromHSO();
  replaceAgent_ = nullptr;
  deactivateAgent_ = nullptr;
  deleteAgent_ = nullptr;
  deactivateAllAgent_ = nullptr;
  deleteAllAgent_ = nullptr;
  replaceParentAgent_ = nullptr;
  replaceParent2Agent_ = nullptr;
}

// ---------------------------------------------------------------- rows

std::vector<int> ZORWENUIUpdateErrorMS::SelectedRows() const {
  std::vector<int> rows;
  if (!panel_) return rows;
  int count = 0;
  panel_->GetNumberOfSelectedLines(count);
  panel_->GetSelectedLines(rows, count);
  std::erase_if(rows, [this](int row) { return row < 0 || row >= rows_.Size(); });
  return rows;
}

void ZORWENUIUpdateErrorMS::RemoveRows(const std::vector<int>& rows) {
  // An empty row list would empty the whole panel.
  if (rows.empty()) return;
  rows_.Remove(rows);
  if (panel_) panel_->UpdatePanel(rows.data(), static_cast<int>(rows.size()));
}

void ZORWENUIUpdateErrorMS::RemoveAllRows() {
  rows_.Clear();
  if (panel_) panel_->UpdatePanel(nullptr, 0);
}

// ---------------------------------------------------------------- actions

bool ZORWENUIUpdateErrorMS::DeactivateFeatures(ZORCallbackData) {
  const std::vector<int> rows = SelectedRows();
  for (int row : rows) Deactivate(rows_.At(row).feature);
  RemoveRows(rows);
  return true;
}

bool ZORWENUIUpdateErrorMS::DeleteFeatures(ZORCallbackData) {
  std::vector<int> deleted;
  for (int row : SelectedRows()) {
    if (DeleteFeature(rows_.At(row).feature)) deleted.push_back(row);
  }
  RemoveRows(deleted);
  return true;
}

bool ZORWENUIUpdateErrorMS::DeactivateAllFeatures(ZORCallbackData) {
  for (const ZORISpecObject_var& feature : rows_.Features()) Deactivate(feature);
  RemoveAllRows();
  return true;
}

bool ZORWENUIUpdateErrorMS::DeleteAllFeatures(ZORCallbackData) {
  const ZORListValZORISpecObject_var features = rows_.Features();
  std::vector<int> deleted;
  deleted.reserve(static_cast<std::size_t>(features.Size()));
  for (int row = 0; row < features.Size(); ++row) {
    if (DeleteFeature(features[row + 1])) deleted.push_back(row);
  }
  if (static_cast<int>(deleted.size()) == features.Size()) {
    RemoveAllRows();
  } else {
    RemoveRows(deleted);
  }
  return true;
}

bool ZORWENUIUpdateErrorMS::DeleteFeature(const ZORISpecObject_var& feature) {
  if (!manager_) return SUCCEEDED(ZORGmoUtilitiesServices::Remove(feature));
  if (twoParents_) {
    // An intersection's temporary children go with it; the feature itself stays, inactive.
    manager_->SetDeleteTempChildren(feature);
    Deactivate(feature);
    return true;
  }
  // A result goes with its input: the multi-selection stays the owner of its results.
  ZORIWENMultiSelAccess_var access(feature);
  ZORISpecObject_var input;
  if (access && FAILED(access->GetMultiSelInput(1, input))) return false;
  if (!input) return SUCCEEDED(ZORGmoUtilitiesServices::Remove(feature));
  return SUCCEEDED(manager_->Remove(input, 1));
}

bool ZORWENUIUpdateErrorMS::ReplaceParentInit(ZORCallbackData) {
  return true;
}

bool ZORWENUIUpdateErrorMS::ReplaceParent(ZORCallbackData, int index) {
  const ZORISpecObject_var parent = replaceAgent_ ? replaceAgent_->GetPickedFeature() : nullptr;
  if (!parent) return false;
  const std::vector<int> rows = SelectedRows();
  if (rows.size() == 1 && ReplaceParentOf(rows_.At(rows.front()).feature, parent, index)) {
    RemoveRows(rows);
  }
  replaceAgent_->RemoveFromHSO();
  return true;
}

bool ZORWENUIUpdateErrorMS::ReplaceParentOf(const ZORISpecObject_var& feature,
                                            const ZORISpecObject_var& parent, int index) {
  ZORIWENMultiSelAccess_var access(feature);
  if (!access) return false;
  if (!manager_) return SUCCEEDED(access->SetMultiSelInput(index, parent));
  // Without a current input there is nothing to replace: the feature stays listed.
  ZORISpecObject_var current;
  if (FAILED(access->GetMultiSelInput(index, current)) || !current) return false;
  return SUCCEEDED(manager_->Replace(current, parent, index));
}

// ---------------------------------------------------------------- conditions

bool ZORWENUIUpdateErrorMS::IsOneLineSelected(ZORCallbackData) {
  // The replace buttons are re-armed whatever the answer, so that a refusal costs one click.
  if (replaceParentAgent_) replaceParentAgent_->InitializeAcquisition();
  if (replaceParent2Agent_) replaceParent2Agent_->InitializeAcquisition();
  int count = 0;
  if (panel_) panel_->GetNumberOfSelectedLines(count);
  if (count == 1) return true;
  if (count > 1) ShowError(new ZORError("WENUIINTERNAL_ERR_900", "ZORGuiInternalError"));
  return false;
}

bool ZORWENUIUpdateErrorMS::IsFeatureNotAlreadySelected(ZORCallbackData) {
  const ZORISpecObject_var picked = replaceAgent_ ? replaceAgent_->GetPickedFeature() : nullptr;
  if (!picked) return false;
  if (!manager_) return true;
  unsigned int option = kAlreadyInFirstList;
  ZORListValZORISpecObject_var inputs;
  bool taken = SUCCEEDED(manager_->GetMSList(inputs, 1)) && inputs.Locate(picked);
  if (!taken) {
    option = 0;
    inputs.RemoveAll();
    taken = SUCCEEDED(manager_->GetMSList(inputs, 2)) && inputs.Locate(picked);
  }
  if (!taken) return true;
  auto* error = new ZORGuiInputError("WENUIINPUT_ERR_400", "ZORGuiInputError", option);
  error->SetNLSParameters({ZORGmoUtilitiesServices::GetSpecDisplayName(picked)});
  ShowError(error);
  // The refused pick is forgotten, so that the next one is judged alone.
  RearmReplaceAgent();
  return false;
}

bool ZORWENUIUpdateErrorMS::IsAFeatureInCurrentMO(ZORDialogAgent* agent, ZORCallbackData) {
  if (!agent || agent != replaceAgent_.get()) return false;
  const ZORISpecObject_var picked = replaceAgent_->GetCandidateFeature();
  if (!picked) return false;
  if (!manager_) return true;
  const ZORISpecObject_var multiSelFeature = manager_->GetMultiSel();
  ZORIWENMultiSel_var multiSel(multiSelFeature);
  ZORIDescendants_var results(multiSelFeature);
  if (!multiSel || !results) return true;
  const int count = multiSel->GetNumberOfRealFeatures();
  for (int position = 1; position <= count; ++position) {
    if (results->GetChildAtPosition(position) == picked) return false;
  }
  return true;
}

// ---------------------------------------------------------------- helpers

void ZORWENUIUpdateErrorMS::RearmReplaceAgent() {
  if (!replaceAgent_) return;
  replaceAgent_->RemoveFromHSO();
  replaceAgent_->InitializeAcquisition();
}

void ZORWENUIUpdateErrorMS::ShowError(ZORError* error) {
  new ZORWENUIPanelError(error, panel_.get());
  error->Flush();
}
