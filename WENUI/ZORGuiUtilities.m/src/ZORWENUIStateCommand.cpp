#include "ZORWENUIStateCommand.h"

#include <new>
#include <unordered_set>

#include "LifeCycleObject.h"
#include "ZORBody.h"
#include "ZORCleaner.h"
#include "ZORCommandGlobalUndo.h"
#include "ZORCreate.h"
#include "ZORCreateExternalObject.h"
#include "ZORDelete.h"
#include "ZORDialogAgentExt.h"
#include "ZORDlgCheckButton.h"
#include "ZORGmoDatumServices.h"
#include "ZORGmoMecModServices.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGmoUtilitiesWENTool.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiInputError.h"
#include "ZORGuiNLSMessage.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORGuiWOSServices.h"
#include "ZORIBRepAccess.h"
#include "ZORIBasicTool.h"
#include "ZORIDescendants.h"
#include "ZORIDimVisualization.h"
#include "ZORIInputDescription.h"
#include "ZORIInterrupt.h"
#include "ZORILineicGraphicProperties.h"
#include "ZORIMechanicalProperties.h"
#include "ZORIMeshGraphicProperties.h"
#include "ZORIMfSynchroFailureReportMng.h"
#include "ZORIMmiContextualManager.h"
#include "ZORIPathAccess.h"
#include "ZORIPointGraphicProperties.h"
#include "ZORIPrtContainer.h"
#include "ZORIPrtProceduralView.h"
#include "ZORIRedrawEvent.h"
#include "ZORIShapeFeatureProperties.h"
#include "ZORIShapeInOutPlugs.h"
#include "ZORISketch.h"
#include "ZORISpecScan.h"
#include "ZORIUpdateError.h"
#include "ZORIVisProperties.h"
#include "ZORIWENFeatureType.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENOptionalAttrMapManager.h"
#include "ZORIWENPointOnCurve.h"
#include "ZORIWENProceduralView.h"
#include "ZORIWENTool.h"
#include "ZORIWENWorkingSupport.h"
#include "ZORIdentityOf.h"
#include "ZORMecModServices.h"
#include "ZORMfErrUpdate.h"
#include "ZORModify.h"
#include "ZORModifyAttribut.h"
#include "ZORModifyShowAttribut.h"
#include "ZORModifyVisProperties.h"
#include "ZORMuiAppendConstraint.h"
#include "ZORMuiRemoveConstraint.h"
#include "ZORMuiShapeBodyServices.h"
#include "ZORNotifyCancel.h"
#include "ZORProgressTaskUI.h"
#include "ZORProtectedSection.h"
#include "ZORStateActivateNotification.h"
#include "ZORStateCancelNotification.h"
#include "ZORSurfacicUIRecordServices.h"
#include "ZORSysLogAbend.h"
#include "ZORUpdate3DVisu.h"
#include "ZORUpdateUI.h"
#include "ZORWENMSManager.h"
#include "ZORWENSettings.h"
#include "ZORWENUIDialog.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIPanelError.h"
#include "ZORWENUIPanelWindow.h"
#include "ZORWENUIStateCommandDelegate.h"
#include "ZORWENUIUpdateErrorMS.h"
#include "ZORWenJournaling.h"

namespace {

constexpr const char* kRecordLevelSetting = "SurfacicRecordLevel";
constexpr int kDefaultRecordLevel = 14;

// Sets the command's input-description mode for a scope and puts it back as it was when the
// scope ends, however it ends.
class ScopedInputDescriptionMode {
 public:
  ScopedInputDescriptionMode(ZORSurfacicUIStateCommand& command, int mode)
      : command_(command), saved_(command.GetModeOfInputDescription()) {
    command_.SetModeOfInputDescription(mode);
  }
  ~ScopedInputDescriptionMode() { command_.SetModeOfInputDescription(saved_); }
  ScopedInputDescriptionMode(const ScopedInputDescriptionMode&) = delete;
  ScopedInputDescriptionMode& operator=(const ScopedInputDescriptionMode&) = delete;

 private:
  ZORSurfacicUIStateCommand& command_;
  int saved_;
};

bool IsMultiSel(const ZORISpecObject_var& feature) {
  return static_cast<bool>(ZORIWENMultiSel_var(feature));
}

bool IsComponent(int value) {
  return value >= 0 && value <= 255;
}

// The path of a feature in its document's tree, through its path access; unset without one.
ZORPathElement PathOf(const ZORISpecObject_var& feature) {
  ZORPathElement path;
  ZORIPathAccess_var access(feature);
  if (access) access->GetPathElement(path);
  return path;
}

HRESULT Dispatch(const ZORBaseUnknown_var& through, ZORModelEvent* event) {
  ZORIModelEvents_var events(through);
  return events ? events->Dispatch(event) : E_FAIL;
}

// Tells the viewer that a visual property of `feature` changed, when it has a path.
void DispatchVisProperties(const ZORISpecObject_var& feature, ZORVisPropertyType type,
                           const ZORVisPropertiesValues& values) {
  ZORPathElement path = PathOf(feature);
  if (!path.IsSet()) return;
  Dispatch(feature, ZORMake<ZORModifyVisProperties>(feature, path, 1, type, values).get());
}

// The first graphic properties among point, lineic and mesh that `feature` offers take the
// colour; E_FAIL when it offers none.
HRESULT SetGraphicColor(const ZORISpecObject_var& feature, int red, int green, int blue) {
  if (ZORIPointGraphicProperties_var point{feature}) return point->SetColor(red, green, blue);
  if (ZORILineicGraphicProperties_var lineic{feature}) return lineic->SetColor(red, green, blue);
  if (ZORIMeshGraphicProperties_var mesh{feature}) return mesh->SetColor(red, green, blue);
  return E_FAIL;
}

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
    ShowHideSketchDim(0);
    for (const ZORISpecObject_var& sketch : *sketchList_) {
      if (sketch) ZORGmoUtilitiesServices::Update(sketch);
    }
    ShowHideSketchDim(1);
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
        ScopedInputDescriptionMode off(*this, 0);
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

// --- current feature bookkeeping ---

HRESULT ZORWENUIStateCommand::InitializeCurrentShapeFeature(const ZORISpecObject_var& feature) {
  if (!IsShapeFeatureModeOn()) return 0;
  if (!GetSavedShapeCurrentFeature()) SetSavedShapeCurrentFeature(GetCurrentFeature());
  if (feature && ZORMecModServices::IsShapeBody(feature)) {
    // The body's properties say whether it is current itself or through the feature it
    // designates; a body that says nothing leaves the current feature alone.
    ZORIShapeFeatureProperties_var properties(feature);
    ZORISpecObject_var current;
    if (properties)
      current = properties->IsCurrentItself() ? feature : properties->GetDesignatedFeature();
    if (current) SetCurrentFeature(current);
  }
  UpdateVisu3D(feature, kVisuCurrentFeature);
  return 0;
}

HRESULT ZORWENUIStateCommand::RestoreCurrentShapeFeature() {
  if (const ZORISpecObject_var& saved = GetSavedShapeCurrentFeature()) SetCurrentFeature(saved);
  UpdateVisu3D(ZORISpecObject_var(), kVisuCurrentFeature);
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

// --- display properties of inputs ---

template <class Body>
bool ZORWENUIStateCommand::RunShowingErrors(Body&& body) {
  ZORException* caught = ZORProtect(std::forward<Body>(body));
  return !ZORHandleCaught(caught, ZORWENUIPanelError::ShowAndFlush);
}

HRESULT ZORWENUIStateCommand::SetPickMode(const ZORISpecObject_var& feature,
                                          unsigned int pickable) {
  if (!feature) return E_FAIL;
  if (!IsShapeFeatureModeOn() && ZORMuiShapeBodyServices::GetShapeBodyFather(feature)) {
    // A shape body's feature that modifies its input keeps the pick state of that input.
    ZORIInputDescription_var description(feature);
    int type = 0;
    if (description && SUCCEEDED(description->GetFeatureType(type)) && type == 1) return S_OK;
  }
  ZORIVisProperties_var properties(feature);
  if (!properties) return E_FAIL;
  ZORVisPropertiesValues values;
  if (FAILED(properties->GetPropertiesAtt(values, ZORVPPick))) return E_FAIL;
  if (values.GetPick() == static_cast<int>(pickable)) return S_OK;
  values.SetPick(static_cast<int>(pickable));
  if (FAILED(properties->SetPropertiesAtt(values, ZORVPPick))) return E_FAIL;
  std::unique_ptr<ZORPathElement> path;
  RunShowingErrors([&] { path = GivePathElementFrom(feature.get()); });
  if (!path) return E_FAIL;
  Dispatch(feature, ZORMake<ZORModifyVisProperties>(feature, *path, 0, ZORVPPick, values).get());
  return S_OK;
}

int ZORWENUIStateCommand::ZORWENUIIsInNoPick(const ZORISpecObject_var& feature) {
  ZORIVisProperties_var properties(feature);
  ZORVisPropertiesValues values;
  if (!properties || FAILED(properties->GetPropertiesAtt(values, ZORVPPick))) return 0;
  return values.GetPick() == 0 ? 1 : 0;
}

HRESULT ZORWENUIStateCommand::ZORWENUIHighlight(const ZORISpecObject_var& feature) {
  if (!feature) return E_FAIL;
  HRESULT hr = E_FAIL;
  RunShowingErrors([&] { hr = AddInHSO(feature.get()); });
  return hr;
}

HRESULT ZORWENUIStateCommand::ZORWENUINoHighlight(const ZORISpecObject_var& feature) {
  if (!feature) return E_FAIL;
  HRESULT hr = E_FAIL;
  RunShowingErrors([&] {
    std::unique_ptr<ZORPathElement> path = GivePathElementFrom(feature.get());
    ZORHSO* hso = GetHSO();
    if (path && hso) hr = hso->RemoveElement(*path);
  });
  return hr;
}

HRESULT ZORWENUIStateCommand::ZORWENUIOpacity(const ZORISpecObject_var& feature, int opacity) {
  ZORIVisProperties_var properties(feature);
  if (!properties || !IsComponent(opacity)) return E_FAIL;
  ZORVisPropertiesValues values;
  values.SetOpacity(opacity, 0);
  if (FAILED(properties->SetPropertiesAtt(values, ZORVPOpacity, 1))) return E_FAIL;
  DispatchVisProperties(feature, ZORVPOpacity, values);
  return S_OK;
}

HRESULT ZORWENUIStateCommand::ZORWENUIGetOpacity(const ZORISpecObject_var& feature, int& opacity) {
  opacity = ZORVisPropertiesValues::kDefaultOpacity;
  ZORIVisProperties_var properties(feature);
  ZORVisPropertiesValues values;
  if (!properties || FAILED(properties->GetPropertiesAtt(values, ZORVPOpacity, 1))) return E_FAIL;
  opacity = values.GetOpacity();
  return S_OK;
}

HRESULT ZORWENUIStateCommand::ZORWENUIResetProperties(const ZORISpecObject_var& feature,
                                                      ZORVisPropertyType type) {
  ZORIVisProperties_var properties(feature);
  if (!properties || FAILED(properties->ResetPropertiesAtt(type, 1, 0, 0))) return E_FAIL;
  ZORVisPropertiesValues values;
  properties->GetPropertiesAtt(values, type);
  DispatchVisProperties(feature, type, values);
  return S_OK;
}

HRESULT ZORWENUIStateCommand::ZORWENUIColor(const ZORISpecObject_var& feature, int red, int green,
                                            int blue, const ZORISpecObject_var& eventTarget) {
  if (!feature || !IsComponent(red) || !IsComponent(green) || !IsComponent(blue)) return E_FAIL;
  if (FAILED(SetGraphicColor(feature, red, green, blue))) return E_FAIL;
  auto event = ZORMake<ZORModifyAttribut>(feature, ZORBaseUnknown::MetaObject(), ZORPathElement());
  Dispatch(eventTarget ? eventTarget : feature, event.get());
  return S_OK;
}

ZORIModelEvents_var ZORWENUIStateCommand::EventsForDisplay(const ZORISpecObject_var& feature,
                                                           ZORISpecObject_var& father,
                                                           const ZORISpecObject_var& givenFather,
                                                           const ZORISpecObject_var& eventTarget) {
  father = ZORIWENMultiSel_var(feature) ? feature : feature->GetFather();
  if (!father || ZORIBasicTool_var(father)) return ZORIModelEvents_var(feature);
  if (eventTarget && givenFather) {
    father = givenFather;
    return ZORIModelEvents_var(eventTarget);
  }
  // The events of the ancestor that stands right under the first tool above the feature.
  ZORISpecScan_var scan(feature);
  ZORListValZORISpecObject_var ancestors;
  if (!scan || FAILED(scan->ListAncestors(ancestors))) return ZORIModelEvents_var(feature);
  for (int i = 2; i <= ancestors.Size(); ++i) {
    if (ZORIBasicTool_var(ancestors[i])) return ZORIModelEvents_var(ancestors[i - 1]);
  }
  return ZORIModelEvents_var(feature);
}

HRESULT ZORWENUIStateCommand::UpdateVisu3D(ZORISpecObject_var feature, int mode,
                                           const ZORISpecObject_var& father,
                                           const ZORISpecObject_var& eventTarget) {
  if (mode == kVisuCurrentFeature) {
    Update3DVisu(feature);
    return S_OK;
  }
  if (!feature) feature = GiveMyFeature();
  if (!feature) return S_OK;
  ZORISpecObject_var shownFather;
  ZORIModelEvents_var events = EventsForDisplay(feature, shownFather, father, eventTarget);
  if (!events) return E_FAIL;
  if (insertionMark_ == 2 || mode == kVisuCreate) {
    // The first display of a result placed in the document.
    insertionMark_ = 1;
    return events->Dispatch(ZORMake<ZORCreate>(feature, shownFather, 0).get());
  }
  if (mode == kVisuDelete) return events->Dispatch(ZORMake<ZORDelete>(feature).get());
  if (insertionMark_ == 1 || mode == kVisuModify) {
    return events->Dispatch(ZORMake<ZORModify>(feature, ZORBaseUnknown::MetaObject(), 1).get());
  }
  return S_OK;
}

// --- dimensions and sketches ---

HRESULT ZORWENUIStateCommand::UpdateDim() {
  ZORISpecObject_var feature = GiveMyFeature();
  ZORIDimVisualization_var visualization(feature);
  ZORIDimProvider_var provider(feature ? feature->GetFeatContainer() : nullptr);
  if (!visualization || !provider) return E_FAIL;
  return visualization->SetDimProvider(provider);
}

HRESULT ZORWENUIStateCommand::AppendDimensions(ZORISpecObject_var feature) {
  if (!feature) feature = GiveMyFeature();
  if (!feature) return E_FAIL;
  RemoveDimensions(feature);
  DispatchConstraintEvent(feature, true);
  ShowHideSketchDim(1);
  return S_OK;
}

HRESULT ZORWENUIStateCommand::RemoveDimensions(ZORISpecObject_var feature) {
  if (!feature) feature = GiveMyFeature();
  if (!feature) return E_FAIL;
  DispatchConstraintEvent(feature, false);
  ShowHideSketchDim(0);
  return S_OK;
}

void ZORWENUIStateCommand::SetSketchList(const ZORListValZORISpecObject_var& sketches) {
  ShowHideSketchDim(0);
  if (sketchList_) {
    sketchList_->RemoveAll();
  } else {
    sketchList_ = std::make_unique<ZORListValZORISpecObject_var>();
  }
  if (!sketches.IsEmpty()) sketchList_->Append(sketches);
}

ZORListValZORISpecObject_var* ZORWENUIStateCommand::GetSketchList() {
  if (!sketchList_) sketchList_ = std::make_unique<ZORListValZORISpecObject_var>();
  return sketchList_.get();
}

// --- multi-selection ---

HRESULT ZORWENUIStateCommand::initMultiSelMode(ZORWENMSManager*& manager,
                                               const ZORISpecObject_var& matrix,
                                               const ZORISpecObject_var& edited) {
  manager = nullptr;
  auto* created = new (std::nothrow) ZORWENMSManager(matrix, edited);
  if (!created) return E_FAIL;
  if (!created->GetMultiSel()) {
    // A manager without multi-selection feature can do nothing for the command.
    created->Release();
    return E_FAIL;
  }
  if (manager_) manager_->Release();  // a second entry replaces the first manager
  manager_ = created;
  ZORFrmEditor* editor = GetEditor();
  manager_->SetMisc(editor ? editor->GetISO() : nullptr, IsEditModeOn() != 0);
  manager = manager_;
  if (edited) return S_OK;

  ZORISpecObject_var multiSel = manager_->GetMultiSel();
  if (FAILED(InsertInCurrentContext(multiSel, ZORISpecObject_var(), 0))) {
    // A new multi-selection that found no place in the document serves nothing: it leaves with
    // its manager rather than stay in the document outside the tree.
    ZORGuiUtilitiesServices::Remove(multiSel);
    manager_->Release();
    manager_ = nullptr;
    manager = nullptr;
    return E_FAIL;
  }
  // A new multi-selection starts without results.
  ZORIDescendants_var children(multiSel);
  const int count = children ? children->GetNumberOfChildren() : 0;
  for (int i = 0; i < count; ++i) children->RemoveChildAtPosition(1);
  return S_OK;
}

// --- insertion ---

int ZORWENUIStateCommand::IsNonConnexCreationModeOn() {
  if (ZORWENUIStateCmdInfo* info = GetCommandInfo()) return info->GetNonConnexCreationMode();
  return ZORWENUIStateCmdInfo().GetNonConnexCreationMode();
}

void ZORWENUIStateCommand::PositionForWaitingCommand(const ZORISpecObject_var& target,
                                                     ZORISpecObject_var& reference, int& position) {
  reference = GetCurrentFeature();
  position = ZORIWENProceduralView::kBefore;
  ZORIDescendants_var descendants(target);
  const std::vector<ZORBaseUnknown_var> stack = ZORGuiCommandStack::Instance()->GiveFullStack();
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    if (ZORIPrtPart_var(*it)) {
      reference = nullptr;
      position = ZORIWENProceduralView::kAfter;
    }
    if (descendants && descendants->IsDescendant(*it)) {
      reference = ZORISpecObject_var(*it);
      return;
    }
  }
}

HRESULT ZORWENUIStateCommand::InsertInTAVTool(const ZORISpecObject_var& feature,
                                              const ZORISpecObject_var& target) {
  if (IsCreationOutsideTAVModeOn()) InitializeCurrentTAVFeature(feature);
  ZORISpecObject_var reference = GetCurrentFeature();
  int position = ZORIWENProceduralView::kAfter;
  ZORISpecObject_var into = target;
  if (!into) {
    // The current tool is asked only when it is needed: it may make a geometrical set.
    const int geometricalSetOnly = ZORMecModServices::IsShapeBody(reference) ? 0 : 1;
    into = ZORGmoUtilitiesWENTool::GetCurrentWENTool(feature->GetFeatContainer(),
                                                     geometricalSetOnly, 1, 1);
    // Results never go into another multi-selection's set of results.
    if (ZORIWENMultiSel_var(into)) into = into->GetFather();
  }

  const int nonConnex = IsNonConnexCreationModeOn();
  if (GetStartMode() == kStartForInput && ZORMecModServices::IsShapeBody(into) && !nonConnex) {
    PositionForWaitingCommand(into, reference, position);
  }
  ZORIWENProceduralView_var view(feature);
  const HRESULT hr = view->InsertInProceduralView(ZORIDescendants_var(into), position, reference);
  if (SUCCEEDED(hr) && (GetStartMode() != kStartForInput || nonConnex)) {
    ZORGmoUtilitiesServices::ManageAsGroupInput(feature);
  }
  return hr;
}

void ZORWENUIStateCommand::ClearDatum(const ZORISpecObject_var& feature) {
  if (!ZORIWENMultiSel_var(feature)) {
    ZORGmoDatumServices::SetDatum(feature->GetImplementation(), 0);
    return;
  }
  ZORIDescendants_var children(feature);
  const int count = children ? children->GetNumberOfChildren() : 0;
  for (int i = 1; i <= count; ++i) {
    if (ZORISpecObject_var child = children->GetChildAtPosition(i)) {
      ZORGmoDatumServices::SetDatum(child->GetImplementation(), 0);
    }
  }
}

HRESULT ZORWENUIStateCommand::InsertInCurrentContext(const ZORISpecObject_var& given,
                                                     const ZORISpecObject_var& target,
                                                     int keepDatum) {
  ZORISpecObject_var feature = given ? given : GiveMyFeature();
  if (!feature) return E_FAIL;
  ZORIPrtContainer_var container(feature->GetFeatContainer());
  if (!container || !container->GetPart()) return E_FAIL;
  if (feature->GetFather()) return S_OK;

  const bool shapeMode = IsShapeFeatureModeOn();
  if (shapeMode) {
    ZORIPrtProceduralView_var view(feature);
    if (view) view->InsertInProceduralView();
  } else if (ZORIWENProceduralView_var(feature)) {
    InsertInTAVTool(feature, target);
  } else {
    ZORIPrtProceduralView_var view(feature);
    if (!view) return E_FAIL;
    if (IsCreationOutsideTAVModeOn()) InitializeCurrentTAVFeature(feature);
    view->InsertInProceduralView();
  }
  // What the procedural views answer aside, the result is placed only when it has a father.
  if (!feature->GetFather()) return E_FAIL;
  if (!shapeMode && !keepDatum) ClearDatum(feature);
  insertionMark_ = shapeMode ? 1 : 2;
  return S_OK;
}

// --- OK ---

bool ZORWENUIStateCommand::OkAction(ZORCallbackData data) {
  ZORISpecObject_var feature = GiveMyFeature();
  if (IsEditModeOn()) RefreshEditedFeatures(feature);
  if (feature && GetStartMode() == kStartForInput && !IsEditModeOn()) {
    HandToWaitingCommand(feature);
  }
  return ZORSurfacicUIStateCommand::OkAction(data);
}

void ZORWENUIStateCommand::RefreshEditedFeatures(const ZORISpecObject_var& feature) {
  ZORListValZORISpecObject_var features;
  if (IsMultiSel(feature)) {
    if (manager_) manager_->GetRealFeaturesList(features);
  } else if (feature) {
    features.Append(feature);
  }
  // The list grows while it is walked, so that the walk reaches every internal descendant.
  for (int i = 1; i <= features.Size(); ++i) {
    const ZORISpecObject_var element = features[i];
    if (!element) continue;
    ZORListValZORISpecObject_var internals;
    if (SUCCEEDED(ZORGmoMecModServices::GetInternalMechanicalChildren(element, internals))) {
      features.Append(internals);
    }
    if (ZORIWENOptionalAttrMapManager_var attributes{element}) attributes->Refresh();
  }
  ZORIMfSynchroFailureReportMng_var reports(ZORGuiUtilitiesServices::GetCurrentPart());
  if (reports) reports->ManageEditedFeature(feature);
}

void ZORWENUIStateCommand::HandToWaitingCommand(const ZORISpecObject_var& feature) {
  const bool multiSel = IsMultiSel(feature);
  ZORISpecObject_var looked = feature;
  if (multiSel) {
    ZORIDescendants_var children(feature);
    const int results = ZORIWENMultiSel_var(feature)->GetNumberOfRealFeatures();
    looked = children && results > 0 ? children->GetChildAtPosition(1) : nullptr;
    if (!looked) ZORSysLogAbend("Erreur a la recuperation du premier enfant du multisel");
  }
  ZORBody_var body = looked ? ZORGmoUtilitiesBody::GetFirstBody(looked) : nullptr;
  if (!body) return;
  if (!multiSel && body->HasGeometry() != 1) return;
  if (!OfferToWaitingAgents(feature)) MarkNotAccepted(feature);
}

bool ZORWENUIStateCommand::OfferToWaitingAgents(const ZORISpecObject_var& feature) {
  const std::vector<ZORDialogAgent*> agents = ZORGuiCommandStack::Instance()->GetWaitingAgents();
  if (agents.empty()) return false;
  // The waiting command looks at the document from where this command started.
  if (ZORFrmEditor* editor = GetEditor()) editor->SetActiveObjectPath(savedActivePath_);
  const ZORPathElement path = PathOf(feature);
  for (ZORDialogAgent* agent : agents) {
    if (!agent) continue;
    agent->InitializeAcquisition();
    if (agent->TryValue(path)) return true;
  }
  return false;
}

void ZORWENUIStateCommand::MarkNotAccepted(const ZORISpecObject_var& feature) {
  auto* error = new ZORGuiInputError("WENUIINPUT_ERR_1300", "ZORGuiInputError");
  error->SetNLSParameters({ZORGmoUtilitiesServices::GetSpecDisplayName(feature)});
  ZORWENUIPanelError::ShowAndFlush(error);
  ZORIUpdateError_var updateError(feature);
  if (GiveMyPanel() && updateError) updateError->SetUpdateError(ZORMake<ZORMfErrUpdate>().get());
}

HRESULT ZORWENUIStateCommand::RunUpdate(ZORISpecObject_var given, int updateAll, int visualize) {
  ZORISpecObject_var feature = given ? given : GiveMyFeature();
  if (!feature) return E_FAIL;
  SetCurrentEditedFeature(GiveMyFeature());
  const bool multiSel = IsMultiSel(feature);
  if (ZORWENSettings* settings = ZORWENSettings::GetWENSettings()) settings->SetInterruptMode(0);

  ZORListValZORISpecObject_var features;
  ListFeaturesToUpdate(feature, multiSel, features);
  ZORIUpdateError_var multiSelError(multiSel ? feature : nullptr);
  if (features.IsEmpty()) {
    if (multiSelError && multiSelError->GetUpdateError()) multiSelError->SetUpdateError(nullptr);
    return S_OK;
  }

  ZORListValZORISpecObject_var failed;
  bool anyFailure = false;
  for (const ZORISpecObject_var& element : features) {
    if (!RunUpdateObject(feature, element, updateAll, visualize, multiSel, !anyFailure)) continue;
    anyFailure = true;
    if (multiSel) failed.Append(element);
  }
  if (multiSel) ReportMultiSelFailures(feature, failed);
  if (GetRecordToolLevel() >= kDefaultRecordLevel) DisplayFeatureWarnings(feature);
  if (!multiSel && delegate_) delegate_->StorePickStatus(feature);
  if (visualize) UpdateVisu3D(feature, kVisuRefresh);

  for (const ZORISpecObject_var& element : features) {
    if (!element->IsUpToDate()) return E_FAIL;
  }
  return S_OK;
}

void ZORWENUIStateCommand::ListFeaturesToUpdate(const ZORISpecObject_var& feature, bool multiSel,
                                                ZORListValZORISpecObject_var& features) {
  if (!multiSel) {
    if (!feature->IsUpToDate()) features.Append(feature);
    return;
  }
  if (!manager_) return;
  ZORListValZORISpecObject_var reals;
  manager_->GetRealFeaturesList(reals);
  // A result whose input the user withdrew goes at the end of OK: updating it would only
  // report it failing again.
  ZORListValZORISpecObject_var leaving;
  ZORIWENMultiSel_var(feature)->GetFeaturesToRemove(leaving);
  std::unordered_set<const ZORBaseUnknown*> withdrawn;
  for (const ZORISpecObject_var& gone : leaving) withdrawn.insert(ZORIdentityOf(gone));
  for (const ZORISpecObject_var& real : reals) {
    if (real && !real->IsUpToDate() && !withdrawn.count(ZORIdentityOf(real))) {
      features.Append(real);
    }
  }
}

bool ZORWENUIStateCommand::RunUpdateObject(const ZORISpecObject_var& given,
                                           const ZORISpecObject_var& element, int updateAll,
                                           int visualize, bool multiSel, bool firstFailure) {
  ZORUpdateUI_var update = ZORUpdateUI_var::Adopt(ZORUpdateUI::CreateUpdateUI());
  if (!update) return false;
  if (visualize) update->SetUpdateVisuArg(1);
  const bool keepsUpdateAll =
      updateAll && IsEditModeOn() && !multiSel && GetStartMode() != kStartForInput;
  if (!keepsUpdateAll) update->SetUpdateAllArg(0);
  update->SetDestroyOldReport(0);
  update->SetAction(ZORUpdateUI::kUpdateAction);
  update->AddElement(element);

  ZORIInterrupt_var interrupt(given);
  ZORProgressTaskUI_var progress = interrupt ? interrupt->GetProgressTaskUI() : nullptr;
  if (progress) {
    progress->SetRange(0, 1000);
    progress->SetValue(1);
  }
  update->Run();
  if (progress) interrupt->SetProgressTaskUI(nullptr);

  DisplayErrorDiagnostic(element);
  ZORListValZORISpecObject_var inError;
  update->GetErrorFeatures(inError);
  if (inError.IsEmpty()) return false;
  if (firstFailure && !multiSel) update->CreateReport();
  return true;
}

void ZORWENUIStateCommand::ReportMultiSelFailures(const ZORISpecObject_var& multiSel,
                                                  const ZORListValZORISpecObject_var& failed) {
  ZORIUpdateError_var multiSelError(multiSel);
  if (failed.IsEmpty()) {
    if (multiSelError) multiSelError->SetUpdateError(nullptr);
    return;
  }
  const ZORISpecObject_var& first = failed[1];
  if (ZORIMechanicalProperties_var properties{first}) properties->Refresh();
  ZORIUpdateError_var firstError(first);
  ZORVar<ZORMfErrUpdate> error = firstError ? firstError->GetUpdateError() : nullptr;
  if (error && multiSelError) multiSelError->SetUpdateError(error.get());
  ZORWENUIStackStateCommand::UpdateErrorMS = 1;
  // The stack takes the creation reference over, started or not.
  ZORGuiCommandStack::Instance()->StartCommand(
      new ZORWENUIUpdateErrorMS("ZORWENUIUpdateErrorMS", failed, 1, manager_));
}

HRESULT ZORWENUIStateCommand::ValidateResult(ZORISpecObject_var given, int mode) {
  ZORISpecObject_var feature = given ? given : GiveMyFeature();
  if (!feature) return E_FAIL;
  if (!IsShapeFeatureModeOn()) {
    ZORSurfacicUIStateCommand::ValidateResult(feature, mode);
    return S_OK;
  }
  if (ZORIShapeInOutPlugs_var plugs{feature}) {
    plugs->GetInputFeature();
    plugs->GetOutputFeature();
    UpdateCurrentFeature(feature, 1, 0);
  }
  if (!IsEditModeOn()) SetCurrentFeature(feature);
  if (ZORIRedrawEvent_var redraw{feature}) redraw->Redraw();
  ZORIRedrawEvent_var fatherRedraw(feature->GetFather());
  if (fatherRedraw) fatherRedraw->Redraw();
  return S_OK;
}

HRESULT ZORWENUIStateCommand::ConvertToDatum(const ZORISpecObject_var& given) {
  ZORISpecObject_var feature = given ? given : GiveMyFeature();
  if (!feature) return E_FAIL;
  if (!IsMultiSel(feature)) return ZORSurfacicUIStateCommand::ConvertToDatum(feature);
  if (!manager_) {
    ZORSysLogAbend("pas de manager");
    return E_FAIL;
  }
  ZORRawCollint* read = nullptr;
  if (FAILED(manager_->GetRemainingRealFeatsInitialPosition(read)) || !read) {
    ZORSysLogAbend("erreur GetRemainingRealFeatsInitialPosition");
    return E_FAIL;
  }
  const int remaining = std::unique_ptr<ZORRawCollint>(read)->Size();
  ZORIDescendants_var children(feature);
  ZORIWENMultiSel_var multiSel(feature);
  if (!children || !multiSel) {
    ZORSysLogAbend("pb avec le multisel");
    return E_FAIL;
  }
  // Only the results this command made: those that remain from before stand first.
  const int results = multiSel->GetNumberOfRealFeatures();
  int index = remaining + 1;
  for (int count = remaining + 1; count <= results; ++count) {
    const ZORISpecObject_var child = children->GetChildAtPosition(index);
    const HRESULT converted = ZORSurfacicUIStateCommand::ConvertToDatum(child);
    if (converted < 0) {
      ZORSysLogAbend("erreur a la conversion en datum");
      return E_FAIL;
    }
    if (converted == 1) {
      // The next result moves into the place of the one replaced.
      ZORGuiUtilitiesServices::Remove(child);
    } else {
      ++index;
    }
  }
  return S_OK;
}

bool ZORWENUIStateCommand::UpdateOKAction(ZORCallbackData data) {
  EmptySO();
  ZORISpecObject_var feature = GiveMyFeature();
  bool multiSel = IsMultiSel(feature);
  const bool forInput = GetStartMode() == kStartForInput;
  if (manager_) manager_->FinalizeMultisel(!IsEditModeOn() && !forInput, forInput);
  if (multiSel && manager_ && !IsMultiSel(manager_->GetMultiSel())) {
    // The multi-selection came down to one result, which took its place: that result is what
    // the command made now.
    feature = manager_->GetMultiSel();
    multiSel = false;
    SetMyFeature(feature);
  }
  if (forInput) MarkResultsMadeForInput();
  if (ZORWenJournaling::TstIsJournalActif()) CreateJournaling();
  CheckResultOrientations(feature);

  ZORISpecObject_var current = GetCurrentFeature();
  if (current && ZORMecModServices::IsShapeBody(current) && !IsShapeFeatureModeOn() &&
      !IsEditModeOn() && !forInput && feature) {
    SetCurrentFeature(feature);
  }
  SetResultOfCommand(feature, multiSel);
  if (GetStartMode() == kStartNormal && GetOrientationArrowCount() == 0 &&
      IsRepetitionAllowed(feature)) {
    StartRepetition(feature, multiSel);
  }
  if (feature) {
    GiveBackPickStatus(feature);
    HandToWorkingSupport(feature);
  }
  if (IsShapeFeatureModeOn()) UpdateIcons();
  if (ZORFrmEditor* editor = GetEditor()) {
    if (editor == ZORFrmEditor::GetCurrentEditor()) editor->SetActiveObjectPath(savedActivePath_);
  }
  return ZORSurfacicUIStateCommand::UpdateOKAction(data);
}

void ZORWENUIStateCommand::MarkResultsMadeForInput() {
  ZORWENUIStateCmdInfo* info = GetCommandInfo();
  if (IsEditModeOn() || !info) return;
  ZORListValZORISpecObject_var features;
  GiveMyFeatures(features);
  for (const ZORISpecObject_var& feature : features) {
    ZORIWENFeatureType_var type(feature);
    ZORIMmiContextualManager_var contextual(feature);
    if (!type || !contextual) continue;
    if (info->GetContextualAgregMode()) {
      contextual->SetContextual(1);
    } else {
      type->SetFeatureType(ZORIWENFeatureType::kMadeForInput);
    }
  }
}

void ZORWENUIStateCommand::CheckResultOrientations(const ZORISpecObject_var& feature) {
  if (!delegate_) {
    ZORSysLogAbend("Pas de delegate associe a la statecommand");
    return;
  }
  int arrows = GetOrientationArrowCount();
  delegate_->CheckOrientations(feature, GetOrientationMode(), arrows);
  SetOrientationArrowCount(arrows);
}

void ZORWENUIStateCommand::SetResultOfCommand(const ZORISpecObject_var& feature, bool multiSel) {
  if (IsShapeFeatureModeOn() && !IsEditModeOn() && feature) {
    SetResultFeature(feature->GetFather());
  }
  if (multiSel) SetResultFeature(feature);
}

bool ZORWENUIStateCommand::IsRepetitionAllowed(const ZORISpecObject_var& feature) {
  auto* dialog = dynamic_cast<ZORWENUIDialog*>(GiveMyPanel());
  if (!dialog || !dialog->IsRepetitionOn()) return false;
  if (!feature || !IsFeatureInShapeBody(feature)) return true;
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  const int keepMode = settings ? settings->GetKeepMode() : 0;
  int type = 0;
  {
    ScopedInputDescriptionMode on(*this, 1);
    ZORIInputDescription_var description(feature);
    if (description) description->GetFeatureType(type);
  }
  if (type != 1 && (keepMode != 2 || IsEditModeOn())) return true;
  auto* error = new ZORGuiInputError("WENUIINPUT_ERR_60", "ZORGuiInputError", 2048);
  new ZORWENUIPanelError(error, kRepetitionRefusedStyle);
  error->Flush();
  if (ZORDlgCheckButton* button = dialog->GetRepetitionButton()) {
    button->SetState(ZORDlgCheckButton::kUnchecked, 0);
  }
  return false;
}

void ZORWENUIStateCommand::StartRepetition(const ZORISpecObject_var& feature, bool multiSel) {
  if (multiSel) {
    ZORListValZORISpecObject_var results;
    ZORIWENMultiSel_var(feature)->GetResults(results);
    for (const ZORISpecObject_var& result : results) AddInCSO(result.get());
  } else if (feature) {
    AddInCSO(feature.get());
  }
  const char* repetition =
      ZORIWENPointOnCurve_var(feature) ? "ZORWENUIMultiplePoint" : "ZORWENUIMultiple";
  ZORCreateExternalObject(repetition, "ZORGuiMultiple");
}

void ZORWENUIStateCommand::GiveBackPickStatus(const ZORISpecObject_var& feature) {
  // The result was made unpickable while the command worked on it; the user picks it again
  // once it is made.
  if (!delegate_) return;
  ScopedInputDescriptionMode off(*this, 0);
  delegate_->RestorePickStatus(feature);
}

void ZORWENUIStateCommand::HandToWorkingSupport(const ZORISpecObject_var& feature) {
  ZORIWENWorkingSupport_var support;
  if (SUCCEEDED(ZORGuiGetCurrentWorkingSupport(feature, support)) && support) {
    support->AddCreatedFeature(feature);
  }
}

bool ZORWENUIStateCommand::IsAValidFeatBrepForPart(ZORDialogAgent* agent, ZORCallbackData) {
  auto* featureAgent = dynamic_cast<ZORWENUIFeatureAgent*>(agent);
  if (!featureAgent) return false;
  const int behavior = featureAgent->GetAgentBehavior();
  bool valid = false;
  ZORHandleCaught(ZORProtect([&] { valid = CheckPickedBRep(*featureAgent, behavior); }));
  return valid;
}

bool ZORWENUIStateCommand::CheckPickedBRep(ZORWENUIFeatureAgent& agent, int behavior) {
  const ZORPathElement* path = agent.GetValuePath();
  if (!path) return false;
  ZORIBRepAccess_var brep;
  for (const ZORBaseUnknown_var& object : path->GetObjects()) {
    if (ZORIBRepAccess_var access{object}) brep = access;
  }
  // A whole feature picked in the tree is not an element of a body: nothing to check.
  if (!brep) return true;
  if (!brep->GetSupportFeature()) return false;
  ZORISpecObject_var body = brep->GetShapeFeatureBody();
  if (!body) return true;
  ZORIPrtContainer_var container(body->GetFeatContainer());
  const ZORBaseUnknown_var part = container ? container->GetPart() : nullptr;
  if (ZORIdentityOf(part) != ZORIdentityOf(ZORGuiUtilitiesServices::GetCurrentPart())) {
    return false;
  }
  ZORISpecObject_var current = GetCurrentFeature();
  ZORISpecObject_var workingBody = ZORMecModServices::IsShapeBody(current)
                                       ? current
                                       : ZORMuiShapeBodyServices::GetShapeBodyFather(current);
  if (ZORIdentityOf(workingBody) != ZORIdentityOf(body)) {
    agent.SetAgentBehavior(behavior | kImportFromOtherBody);
  }
  return true;
}

// --- global undo and journaling ---

ZORCommandGlobalUndo* ZORWENUIStateCommand::GetGlobalUndo() {
  ZORIInputDescription_var description(GiveMyFeature());
  ZORListValZORBaseUnknown_var inputs;
  if (!description || FAILED(description->GetListOfInputs(inputs))) return nullptr;
  auto sketches = std::make_unique<ZORListValZORISpecObject_var>();
  for (const ZORBaseUnknown_var& input : inputs) {
    if (ZORISketch_var(input)) sketches->Append(ZORISpecObject_var(input));
  }
  if (sketches->IsEmpty()) return nullptr;
  return new ZORCommandGlobalUndo(&GlobalUndo, &GlobalRedo, sketches.release(),
                                  &CleanGlobalUndoData);
}

void* ZORWENUIStateCommand::GlobalUndo(void* data) {
  const auto* sketches = static_cast<const ZORListValZORISpecObject_var*>(data);
  if (!sketches) return data;
  for (const ZORISpecObject_var& sketch : *sketches) {
    ZORIVisProperties_var properties(sketch);
    if (!properties) continue;
    ZORVisPropertiesValues values;
    if (FAILED(properties->GetPropertiesAtt(values, ZORVPShow))) continue;
    const ZORShowAttribut show = values.GetShow() == ZORNoShowAttr ? ZORNoShowAttr : ZORShowAttr;
    Dispatch(sketch, ZORMake<ZORModifyShowAttribut>(sketch, show, 0, 0).get());
  }
  return data;
}

void* ZORWENUIStateCommand::GlobalRedo(void* data) {
  return GlobalUndo(data);
}

void ZORWENUIStateCommand::CleanGlobalUndoData(void* data) {
  delete static_cast<ZORListValZORISpecObject_var*>(data);
}

HRESULT ZORWENUIStateCommand::RegisterUndo() {
  ZORDlgDialog* panel = GiveMyPanel();
  if (!panel) return E_FAIL;
  ZORDialogAgentExt* extension = nullptr;
  const HRESULT hr =
      panel->QueryInterface(ZORDialogAgentExt::ClassIID(), reinterpret_cast<void**>(&extension));
  if (FAILED(hr) || !extension) return FAILED(hr) ? hr : E_FAIL;
  extension->SetUndoRegistrationMode(0, 32);
  extension->StartUndoRegistration(0);
  extension->Release();
  return hr;
}

HRESULT ZORWENUIStateCommand::CreateJournaling() {
  ZORISpecObject_var feature = GiveMyFeature();
  ZORISpecObject_var reference = journalingReference_;
  const HRESULT hr = CreationJournal(feature, reference);
  if (LifeCycleObject_var lifeCycle{reference}) lifeCycle->remove(0);
  journalingReference_ = nullptr;
  return hr;
}
