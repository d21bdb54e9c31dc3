#include "ZORWENUIStateCommand.h"

#include <new>

#include "ZORCleaner.h"
#include "ZORGmoMecModServices.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiNLSMessage.h"
#include "ZORIDescendants.h"
#include "ZORIModelEvents.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENTool.h"
#include "ZORMecModServices.h"
#include "ZORMuiAppendConstraint.h"
#include "ZORMuiRemoveConstraint.h"
#include "ZORNotifyCancel.h"
#include "ZORProtectedSection.h"
#include "ZORStateActivateNotification.h"
#include "ZORStateCancelNotification.h"
#include "ZORSurfacicUIRecordServices.h"
#include "ZORSysLogAbend.h"
#include "ZORWENMSManager.h"
#include "ZORWENUIPanelWindow.h"
#include "ZORWENUIStateCommandDelegate.h"
#include "ZORWenJournaling.h"

namespace {

constexpr const char* kRecordLevelSetting = "SurfacicRecordLevel";
constexpr int kDefaultRecordLevel = 14;

// Puts the command's input-description mode back as it was when the scope ends, however it ends.
class InputDescriptionModeOff {
 public:
  explicit InputDescriptionModeOff(ZORSurfacicUIStateCommand& command)
      : command_(command), saved_(command.GetModeOfInputDescription()) {
    command_.SetModeOfInputDescription(0);
  }
  ~InputDescriptionModeOff() { command_.SetModeOfInputDescription(saved_); }
  InputDescriptionModeOff(const InputDescriptionModeOff&) = delete;
  InputDescriptionModeOff& operator=(const InputDescriptionModeOff&) = delete;

 private:
  ZORSurfacicUIStateCommand& command_;
  int saved_;
};

}  // namespace

ZORWENUIStateCommand::ZORWENUIStateCommand(const ZORString& id, ZORCommandMode mode,
                                           unsigned char visibleDuringEdition)
    : ZORSurfacicUIStateCommand(id, mode), insertionMark_(1) {
  delegate_ = new ZORWENUIStateCommandDelegate(this, visibleDuringEdition);
  Initialize();
}

ZORWENUIStateCommand::ZORWENUIStateCommand(ZORWENUIStateCmdInfo* info, const ZORString& id,
                                           ZORCommandMode mode, const ZORPathElement* activePath,
                                           const ZORPathElement* workingPath,
                                           unsigned char visibleDuringEdition)
    : ZORSurfacicUIStateCommand(info, id, mode, activePath, workingPath, 1), insertionMark_(0) {
  delegate_ = new ZORWENUIStateCommandDelegate(this, visibleDuringEdition);
  Initialize();
}

ZORWENUIStateCommand::~ZORWENUIStateCommand() {
  reservedCounter_ = 0;
  ownedObject_ = nullptr;
  sketchList_.reset();
  if (delegate_) std::exchange(delegate_, nullptr)->Release();
  if (manager_) std::exchange(manager_, nullptr)->Release();
  savedActivePath_ = ZORPathElement();
  savedTAVCurrentFeature_ = nullptr;
  journalingReference_ = nullptr;
}

void ZORWENUIStateCommand::Initialize() {
  reservedCounter_ = 0;
  ownedObject_ = nullptr;
  firstStateEntered_ = 0;
  reservedInteger_ = -1;
  pickModeForCurrentFeature_ = -1;
  savedTAVCurrentFeature_ = nullptr;
  journalingReference_ = nullptr;
  savedActivePath_ = ZORPathElement();
  sketchList_.reset();
  recordToolLevel_ = kDefaultRecordLevel;

  int flag = 0;
  ZORSurfacicUIRecordServices::SetRecordLevel(kRecordLevelSetting, kDefaultRecordLevel, flag);
  int found = 0;
  const int level =
      ZORSurfacicUIRecordServices::GetRecordLevel(kRecordLevelSetting, kDefaultRecordLevel, found);
  if (found != 1) return;
  recordToolLevel_ = level;
  if (level < kDefaultRecordLevel) {
    ZORSurfacicUIRecordServices::SetRecordWarning(kRecordLevelSetting, kDefaultRecordLevel,
                                                  "R14 Warning diagnosis", flag);
  }
}

ZORString ZORWENUIStateCommand::GetResourceFilename(int level) const {
  if (level == 0) return "ZORSurfacicUIStateCommand";
  if (level == 1) return "ZORMMUIPanelStateCmd";
  return level > 1 ? ZORDialogAgent::GetResourceFilename(level - 2) : ZORString();
}

// --- lifecycle ---

int ZORWENUIStateCommand::Activate(ZORCommand* caller, ZORNotification* notification) {
  if (delegate_) delegate_->RestoreHSO();
  ZORISpecObject_var feature = GiveMyFeature();
  SetModeOfInputDescription(0);
  SetCurrentEditedFeature(feature);

  if (feature && IsEditModeOn()) {
    if (delegate_) delegate_->StorePickStatus(feature);
    ShowContextualChildren(feature, true);
    if (delegate_) delegate_->StoreShowStatus(feature);
  }

  auto* activation = dynamic_cast<ZORStateActivateNotification*>(notification);
  if (activation && activation->GetType() == ZORStateActivateNotification::kFirstActivation) {
    ZORWENUIStateCmdInfo* info = GetCommandInfo();
    const auto& states = ZORGuiCommandStack::Instance()->GiveStateList();
    if (info && !info->GetContextualAgregMode() && !states.empty()) {
      // Started from inside another feature command: what it creates belongs to that context.
      ZORCommand* calling = states.back().GetCallingCommand();
      if (calling && calling->IsAKindOf(ZORSurfacicUIStateCommand::ClassName())) {
        info->SetContextualAgregMode(1);
      }
    }
    if (IsEditModeOn()) {
      if (delegate_) {
        delegate_->StoreOrientations(feature);
      } else {
        ZORSysLogAbend("pas de delegate");
      }
    }
  }

  SetDiagnosisModeOn();
  const int rc = ZORSurfacicUIStateCommand::Activate(caller, notification);

  if (sketchList_ && !sketchList_->IsEmpty()) {
    for (const ZORISpecObject_var& sketch : *sketchList_) {
      if (sketch) ZORGmoUtilitiesServices::Update(sketch);
    }
  }
  RefreshMultiList();
  SetMultiSelToolPrivate(feature, 0);
  UpdateFeat();
  return rc;
}

int ZORWENUIStateCommand::Desactivate(ZORCommand* caller, ZORNotification* notification) {
  if (delegate_) delegate_->StoreHSO();
  SetMultiSelToolPrivate(GiveMyFeature(), 1);
  return ZORSurfacicUIStateCommand::Desactivate(caller, notification);
}

bool ZORWENUIStateCommand::EnterFirstStateAction(ZORCallbackData data) {
  if (!firstStateEntered_) {
    firstStateEntered_ = 1;
    InitAction(nullptr);
  }
  return ZORSurfacicUIStateCommand::EnterFirstStateAction(data);
}

bool ZORWENUIStateCommand::InitAction(ZORCallbackData) {
  ZORFrmEditor* editor = GetEditor();
  if (editor) savedActivePath_ = editor->GetActiveObjectPath();
  ZORISpecObject_var feature = GiveMyFeature();
  if (!feature) return true;
  const ZORPathElement& active = GetActiveObjectPath();
  const ZORPathElement& working = GetWorkingPath();
  // Both paths set and different: the command works in a context it must not leave.
  const bool differ = active.IsSet() && working.IsSet() && !(active == working);
  if (!differ && editor) editor->SetActiveObject(feature.get());
  if (IsShapeFeatureModeOn()) DispatchConstraintEvent(feature, true);
  return true;
}

bool ZORWENUIStateCommand::CancelAction(ZORCallbackData data) {
  cancelled_ = 1;
  if (ZORFrmEditor* editor = GetEditor()) {
    if (GetStartMode() != kStartForInput) editor->UnsetRepeatedCommand();
    if (editor == ZORFrmEditor::GetCurrentEditor()) editor->SetActiveObjectPath(savedActivePath_);
  }
  EmptySO();
  // The base clears the repetitions asked and runs the panel command's cancel action.
  return ZORSurfacicUIStateCommand::CancelAction(data);
}

int ZORWENUIStateCommand::Cancel(ZORCommand* caller, ZORNotification* notification) {
  ZORException* caught = ZORProtect([&] {
    if (ZORWenJournaling::TstIsJournalActif()) ZORWenJournaling::LogAOuvrir();
    ZORISpecObject_var feature = GiveMyFeature();
    if (feature) {
      if (delegate_) delegate_->RestoreShowStatus(feature);
      {
        InputDescriptionModeOff off(*this);
        if (delegate_) delegate_->RestorePickStatus(feature);
      }
      if (IsShapeFeatureModeOn()) DispatchConstraintEvent(feature, false);
    }
    RestoreCurrentTAVFeature();
    auto* cancel = dynamic_cast<ZORStateCancelNotification*>(notification);
    if (cancel && cancel->GetType() == ZORStateCancelNotification::kUserCancel) ExecuteUndoAtEnd();
    SetDiagnosisModeOff();
    if (feature) ShowContextualChildren(feature, false);
    SetMultiSelToolPrivate(feature, 1);
  });
  ZORHandleCaught(caught);
  return ZORSurfacicUIStateCommand::Cancel(caller, notification);
}

// --- messages ---

int ZORWENUIStateCommand::Show(const ZORGuiNLSMessage& message, unsigned long style) {
  return ZORWENUIPanelWindow::AskBlocked("Notify", style, message.GetMessage(), message.GetTitle());
}

int ZORWENUIStateCommand::ZORWENUINotify(ZORError*& error, unsigned long style) {
  ZORGuiNLSMessage message;
  if (FAILED(message.Build(this, error))) return 0;
  std::exchange(error, nullptr)->Flush();
  return Show(message, style);
}

int ZORWENUIStateCommand::ZORWENUINotify(long result, unsigned long style) {
  if (result >= 0) return 0;
  ZORError* error = ZORError::ZORGetLastError(static_cast<HRESULT>(result));
  return ZORWENUINotify(error, style);
}

int ZORWENUIStateCommand::ZORWENUINotify(const ZORString& key, unsigned long style) {
  return ZORWENUINotify(key, nullptr, style);
}

int ZORWENUIStateCommand::ZORWENUINotify(const ZORString& key,
                                         const ZORListValZORUnicodeString* params,
                                         unsigned long style) {
  ZORGuiNLSMessage message;
  if (FAILED(message.Build(this, key, params))) return 0;
  return Show(message, style);
}

void ZORWENUIStateCommand::RequestCancel() {
  auto* cancel = new (std::nothrow) ZORNotifyCancel();
  if (!cancel) {
    RequestDelayedDestruction();
    return;
  }
  ZORCleaner::DeleteOnTransactionEnd(cancel);
  SendNotification(this, cancel);
}

int ZORWENUIStateCommand::ZORWENUIRequestCancel(long result) {
  ZORWENUINotify(result, kCancelErrorStyle);
  RequestCancel();
  return 1;
}

int ZORWENUIStateCommand::ZORWENUIRequestCancel(ZORError*& error) {
  ZORWENUINotify(error, kCancelErrorStyle);
  RequestCancel();
  return 1;
}

int ZORWENUIStateCommand::ZORWENUIRequestCancel(const ZORString& key,
                                                const ZORListValZORUnicodeString* params) {
  ZORWENUINotify(key, params, kCancelMessageStyle);
  RequestCancel();
  return 1;
}

// --- modes and hooks ---

int ZORWENUIStateCommand::IsCreationOutsideTAVModeOn() {
  if (ZORWENUIStateCmdInfo* info = GetCommandInfo()) return info->IsCreationOutsideTAVModeOn();
  return ZORWENUIStateCmdInfo().IsCreationOutsideTAVModeOn();
}

int ZORWENUIStateCommand::IsCloudFeatureModeOn() {
  if (ZORWENUIStateCmdInfo* info = GetCommandInfo()) {
    return info->GetShapeFeatureMode() == ZORWENUIStateCmdInfo::kShapeBodyMode ? 1 : 0;
  }
  return ZORWENUIStateCmdInfo().GetShapeFeatureMode() != ZORWENUIStateCmdInfo::kGeometricalSetMode
             ? 1
             : 0;
}

int ZORWENUIStateCommand::CheckOrientations() {
  ZORSysLogAbend("CheckOrientations: methode depreciee");
  return 0;
}

ZORWENMSManager* ZORWENUIStateCommand::GetManager() {
  return manager_;
}

void ZORWENUIStateCommand::SetInactivationOnUpdate(unsigned char on) {
  inactivationOnUpdate_ = on;
}

HRESULT ZORWENUIStateCommand::UpdateVisu3D(const ZORISpecObject_var&, int) {
  return S_OK;
}

// --- current feature bookkeeping ---

HRESULT ZORWENUIStateCommand::InitializeCurrentShapeFeature(const ZORISpecObject_var& feature) {
  if (!IsShapeFeatureModeOn()) return 0;
  if (!GetSavedShapeCurrentFeature()) SetSavedShapeCurrentFeature(GetCurrentFeature());
  if (feature && ZORMecModServices::IsShapeBody(feature)) {
    // A shape body designates its last feature as the one in work.
    ZORVar<ZORIDescendants> children(feature);
    const int count = children ? children->GetNumberOfChildren() : 0;
    SetCurrentFeature(count ? children->GetChildAtPosition(count) : feature);
    UpdateVisu3D(feature, 2);
  }
  return 0;
}

HRESULT ZORWENUIStateCommand::RestoreCurrentShapeFeature() {
  if (const ZORISpecObject_var& saved = GetSavedShapeCurrentFeature()) SetCurrentFeature(saved);
  UpdateVisu3D(ZORISpecObject_var(), 2);
  return 0;
}

HRESULT ZORWENUIStateCommand::InitializeCurrentTAVFeature(const ZORISpecObject_var&) {
  if (IsCreationOutsideTAVModeOn()) savedTAVCurrentFeature_ = GetCurrentFeature();
  return 0;
}

HRESULT ZORWENUIStateCommand::RestoreCurrentTAVFeature() {
  if (savedTAVCurrentFeature_) SetCurrentFeature(savedTAVCurrentFeature_);
  return 0;
}

// --- helpers ---

void ZORWENUIStateCommand::ShowContextualChildren(const ZORISpecObject_var& feature, bool show) {
  ZORListValZORISpecObject_var children;
  if (FAILED(ZORGmoMecModServices::GetContextualChildren(feature, children, 0))) return;
  for (const ZORISpecObject_var& child : children) {
    if (show) {
      ZORWENUIShow(child);
    } else {
      ZORWENUINoShow(child, 0);
    }
  }
}

void ZORWENUIStateCommand::SetMultiSelToolPrivate(const ZORISpecObject_var& feature,
                                                  int isPrivate) {
  if (!feature || !IsFeatureInShapeBody(feature) || !ZORIWENMultiSel_var(feature)) return;
  ZORIWENTool_var tool(feature);
  if (!tool) return;
  // Only a change: a private tool is made public, a public one private.
  if (ZORMecModServices::IsPrivateWENTool(tool) != static_cast<bool>(isPrivate)) {
    tool->SetPrivate(isPrivate);
  }
}

void ZORWENUIStateCommand::DispatchConstraintEvent(const ZORISpecObject_var& feature, bool append) {
  ZORBaseUnknown_var implementation = feature->GetImplementation();
  ZORVar<ZORIModelEvents> events(implementation);
  if (!events) return;
  if (append) {
    events->Dispatch(ZORMake<ZORMuiAppendConstraint>(implementation).get());
  } else {
    events->Dispatch(ZORMake<ZORMuiRemoveConstraint>(implementation).get());
  }
}
