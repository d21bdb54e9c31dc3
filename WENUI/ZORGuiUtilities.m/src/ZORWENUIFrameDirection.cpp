#include "ZORWENUIFrameDirection.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

#include "ZOR3DCompass.h"
#include "ZORApplicationFrame.h"
#include "ZORCleaner.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgPushItem.h"
#include "ZORDlgSelectorList.h"
#include "ZORDlgSeparator.h"
#include "ZORFrmEditor.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORIFeaturize.h"
#include "ZORIMf3DAxisSystemManager.h"
#include "ZORIParmAsStored.h"
#include "ZORIParmEvents.h"
#include "ZORIWENFrameDirection.h"
#include "ZORLocalAxis.h"
#include "ZORMMServicesForLinearBody.h"
#include "ZORMmrOrderingServices.h"
#include "ZORWENUIDirCoordNotification.h"
#include "ZORWENUIDirCoordPanelOKNotification.h"
#include "ZORWENUIDirElemNotification.h"
#include "ZORWENUIDirRemoveNotification.h"
#include "ZORWENUIPanelCoord.h"

namespace {

// Label indexes: the empty text, then the keys of the components' labels.
enum Label { kEmpty, kComponents, kCompX, kCompY, kCompZ, kCompXLoc, kCompYLoc, kCompZLoc };
constexpr const char* kLabelKeys[] = {"",
                                      "Components",
                                      "ComponentsX",
                                      "ComponentsY",
                                      "ComponentsZ",
                                      "ComponentsXLoc",
                                      "ComponentsYLoc",
                                      "ComponentsZLoc"};

ZORIMf3DAxisSystemManager_var AxisManager() {
  return ZORIMf3DAxisSystemManager_var(ZORGuiBasicUtilitiesServices::GetCurrentContainer());
}

// The current local axis system when the current feature may use it: active, linkable, and
// before the current object in the tree.
ZORISpecObject_var UsableLocalAxisSystem() {
  ZORIMf3DAxisSystemManager_var manager = AxisManager();
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!manager || !editor || !manager->IsCurrentAxisSystemActive()) return nullptr;
  ZORISpecObject_var axis = manager->GetCurrentAxisSystem();
  const ZORBaseUnknown_var& current = editor->GetCurrentFeatureObject();
  if (!axis || !ZORMmrOrderingServices::CheckLink(current, ZORBaseUnknown_var(axis))) {
    return nullptr;
  }
  int order = 0;
  const int position = ZORMMServicesForLinearBody::ComparePosition(
      editor->GivePathElementFrom(current.get()), editor->GivePathElementFrom(axis.get()), order);
  return position == 1 || (position == 0 && order > 0) ? axis : nullptr;
}

// The label of a vector by the axis it lies along: ComponentsZ, X or Y (offset 0), or none.
// A vector all of whose components are below the tolerance lies along none.
int AxisLabel(const double v[3], int offset) {
  const auto small = [](double c) { return std::abs(c) < ZORWENUIFrameDirection::kAxisTolerance; };
  if (small(v[0]) && small(v[1]) && small(v[2])) return kEmpty;
  if (small(v[0]) && small(v[1])) return kCompZ + offset;
  if (small(v[1]) && small(v[2])) return kCompX + offset;
  if (small(v[0]) && small(v[2])) return kCompY + offset;
  return kEmpty;
}

template <class N>
N* MakeNotification() {
  return new (std::nothrow) N();
}

template <class N>
void HandOver(N*& notification) {
  if (notification) ZORCleaner::DeleteOnTransactionEnd(std::exchange(notification, nullptr));
}

}  // namespace

ZORWENUIFrameDirection::ZORWENUIFrameDirection(
    ZORDlgDialog* owner, ZORDialog* parent, ZORIWENDirection_var direction, const ZORString& name,
    unsigned long style, ZORWENUISelector::ZORWENUISelectorStyle selectorStyle,
    ZORGuiContextualMenuData menuData, ZORGuiContextualMenuData emptyMenuData, bool withMenu)
    : ZORWENUISelector(owner, parent, name, style, selectorStyle, menuData, emptyMenuData,
                       withMenu),
      owner_(owner),
      elem_(MakeNotification<ZORWENUIDirElemNotification>()),
      coord_(MakeNotification<ZORWENUIDirCoordNotification>()),
      ok_(MakeNotification<ZORWENUIDirCoordPanelOKNotification>()),
      remove_(MakeNotification<ZORWENUIDirRemoveNotification>()) {
  labels_[kEmpty] = GetNoSelectionText();
  for (int i = kComponents; i <= kCompZLoc; ++i) {
    const ZORUnicodeString text = GetResourceValueFromKey(kLabelKeys[i]);
    labels_[i] = text.IsEmpty() ? ZORUnicodeString(kLabelKeys[i]) : text;
  }
  AddAnalyseNotificationCB(GetEditor(), GetListSelectNotification(),
                           &ZORWENUIFrameDirection::ManageSelFrameDir, nullptr);
  SetDirectionFeature(direction);
}

ZORWENUIFrameDirection::~ZORWENUIFrameDirection() {
  RemoveCallBacks();
  axis_ = nullptr;
  previousAxis_ = nullptr;
  if (panel_) panel_->RequestDelayedDestruction();
  if (ZORIWENFrameDirection_var ext(direction_); ext) ext->ResetFrameDirection(this);
  HandOver(elem_);
  HandOver(coord_);
  HandOver(ok_);
  HandOver(remove_);
}

ZORUnicodeString ZORWENUIFrameDirection::Label(int index) const {
  return index == kEmpty ? GetNoSelectionText() : labels_[index];
}

void ZORWENUIFrameDirection::ShowLabel(int index) {
  GetEditor()->SetLine(Label(index), 0, ZORDlgSelectorList::kModifyLine);
}

void ZORWENUIFrameDirection::SetDirectionFeature(ZORIWENDirection_var direction) {
  if (!direction) return;
  if (direction_ != direction) RemoveCallBacks();
  direction_ = direction;
  UpdateComponentsDisplay();
}

void ZORWENUIFrameDirection::SetNoSelectionText(ZORUnicodeString& text) {
  ZORWENUISelector::SetNoSelectionText(text);
  labels_[kEmpty] = text;
  if (!GetSelectedElement() && direction_ && !direction_->HasComponents()) ClearSelection();
}

void ZORWENUIFrameDirection::GetName(ZORUnicodeString& name) {
  name = GetEditor()->GetLine(0);
}

void ZORWENUIFrameDirection::SetComponentsDisplay() {
  ClearSelection();
  ShowLabel(kComponents);
}

void ZORWENUIFrameDirection::UpdateComponentsDisplay() {
  if (!direction_) return;
  if (ZORISpecObject_var element = direction_->GetElement(); element) {
    SetSelectedElement(ZORBaseUnknown_var(element));
    return;
  }
  double v[3] = {};
  direction_->GetComponents(v[0], v[1], v[2]);
  ClearSelection();
  if (v[0] == 0.0 && v[1] == 0.0 && v[2] == 0.0) return;  // the empty text
  int label = AxisLabel(v, 0);
  ZORIMf3DAxisSystemManager_var manager = AxisManager();
  if (label == kEmpty && manager && manager->GetCurrentAxisSystem() && !axis_) {
    // Along an axis of the local axis system?
    double local[3] = {};
    ZORMathAxis axis;
    if (SUCCEEDED(manager->GetMathAxis(manager->GetCurrentAxisSystem(), axis)) &&
        SUCCEEDED(manager->ConvertVector(axis, ZORIMf3DAxisSystemManager::kToLocal, v, local))) {
      label = AxisLabel(local, kCompXLoc - kCompX);
    }
  }
  ShowLabel(label == kEmpty ? kComponents : label);
}

bool ZORWENUIFrameDirection::FetchParameters() {
  ZORICkeParm_var x, y, z;
  if (!direction_ || FAILED(direction_->GetComponentParameters(x, y, z))) return false;
  if (parameters_[0] != x || parameters_[1] != y || parameters_[2] != z) RemoveCallBacks();
  parameters_ = {x, y, z};
  return true;
}

void ZORWENUIFrameDirection::AddParticularContextualsItems() {
  ZORDlgContextualMenu* menu = GetContextualMenu();
  if (!menu) return;
  if (menu->GetChildCount() > 1) new ZORDlgSeparator(menu, "Separator");
  static constexpr std::pair<const char*, int> kItems[] = {
      {"Item", kPanel}, {"X", kX},       {"Y", kY},       {"Z", kZ},
      {"Xloc", kXLoc},  {"Yloc", kYLoc}, {"Zloc", kZLoc}, {"CompassDir", kCompass}};
  for (const auto& [name, code] : kItems) {
    auto* item = new ZORDlgPushItem(menu, name);
    AddAnalyseNotificationCB(item, item->GetMenuIActivateNotification(),
                             &ZORWENUIFrameDirection::OpenPanelCoordinates, ZORIntData(code));
    items_.push_back(item);
    if (code >= kXLoc && code <= kZLoc) localItems_[code - kXLoc] = item;
  }
  AddAnalyseNotificationCB(menu, menu->GetVisibilityNotification(),
                           &ZORWENUIFrameDirection::UpdateMenuItems, nullptr);
  UpdateMenuItems(nullptr, nullptr, nullptr);
}

void ZORWENUIFrameDirection::UpdateMenuItems(ZORCommand*, ZORNotification*, ZORCallbackData) {
  const int sensitivity = GetSensitivity() == kInsensitive ? kInsensitive : kSensitive;
  for (ZORDlgPushItem* item : items_) item->SetSensitivity(sensitivity);
  const bool local = static_cast<bool>(UsableLocalAxisSystem());
  for (ZORDlgPushItem* item : localItems_) {
    if (item) item->SetVisibility(local ? kShown : kHidden);
  }
}

bool ZORWENUIFrameDirection::VectorOf(int code, double vector[3],
                                      ZORISpecObject_var& element) const {
  vector[0] = vector[1] = vector[2] = 0.0;
  if (code >= kX && code <= kZ) {
    vector[code - kX] = 1.0;
    return true;
  }
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!editor) return false;
  if (code == kCompass) {
    ZORI3DCompass_var compass = ZOR3DCompass::OfCurrentEditor();
    if (!compass) return false;
    ZORMathVector normal = compass->GetNormal();
    const ZORMathTransformation& view = editor->GetTransformation();
    if (!view.IsIdentity()) {
      // The compass turns with the view: its normal is brought back by the linear part only.
      const std::optional<ZORMathTransformation> back = view.Inverse();
      if (!back) return false;
      normal = back->Apply(normal);
    }
    vector[0] = normal.GetX(), vector[1] = normal.GetY(), vector[2] = normal.GetZ();
    return std::isfinite(normal.Norm());
  }
  ZORISpecObject_var system = UsableLocalAxisSystem();
  ZORIMf3DAxisSystemManager_var manager = AxisManager();
  ZORMathAxis axis;
  if (!system || !manager || FAILED(manager->GetMathAxis(system, axis))) return false;
  ZORIFeaturize_var featurize(ZORLocalAxis::Make(axis, code - kXLoc + 1));
  element = featurize ? featurize->Featurize(editor->GetCurrentFeatureObject().get(),
                                             ZORIFeaturize::MfPermanentBody)
                      : nullptr;
  return static_cast<bool>(element);
}

void ZORWENUIFrameDirection::OpenPanelCoordinates(ZORCommand*, ZORNotification*,
                                                  ZORCallbackData data) {
  const int code = ZORDataInt(data);
  if (!direction_ || code < kPanel || code > kCompass) return;
  if (code == kPanel) {
    OpenPanel();
    return;
  }
  double vector[3] = {};
  ZORISpecObject_var element;
  if (!VectorOf(code, vector, element)) return;
  if (element) {
    if (FAILED(direction_->SetElement(element))) return;
  } else {
    if (vector[0] == 0.0 && vector[1] == 0.0 && vector[2] == 0.0) return;
    if (FAILED(direction_->SetComponents(vector[0], vector[1], vector[2]))) return;
    direction_->SetReferenceAxisSystem(nullptr);
  }
  UpdateComponentsDisplay();
  Send(coord_);
  Send(ok_);
}

void ZORWENUIFrameDirection::OpenPanel() {
  if (!FetchParameters()) return;
  if (!panelOpen_) {
    // What Cancel gives back: all the direction had.
    saved_.element = direction_->GetElement();
    saved_.axis = direction_->GetReferenceAxisSystem();
    direction_->GetComponents(saved_.components[0], saved_.components[1], saved_.components[2]);
  }
  const bool hadComponents = direction_->HasComponents();
  direction_->SetComponents(saved_.components[0], saved_.components[1], saved_.components[2]);
  SetComponentsDisplay();
  if (!panel_) {
    ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
    panel_ = new ZORWENUIPanelCoord(frame ? frame->GetMainWindow() : nullptr);
    panel_->SetFather(this);
  }
  panel_->BuildPanel(parameters_[0], parameters_[1], parameters_[2]);
  axis_ = direction_->GetReferenceAxisSystem();
  previousAxis_ = nullptr;
  if (!axis_ && !hadComponents) axis_ = UsableLocalAxisSystem();
  if (axis_ && !saved_.axis) {
    // The proposed axis system: the components are shown in it, the vector kept.
    previousAxis_ = nullptr;
    UpdateAxisSystem();
  }
  panel_->SetElemFeature(axis_);
  SubscribePanel();
  for (int i = 0; i < 3; ++i) {
    ZORIParmEvents_var events(parameters_[i]);
    if (!events || parameterCallbacks_[i]) continue;
    parameterCallbacks_[i] = events->SubscribeToValueChange(
        this,
        [this](const char*, void*, ZORNotification*, void*, long) { SetOKButtonSensitivity(); },
        nullptr);
  }
  panelOpen_ = true;
  SetOKButtonSensitivity();
  panel_->SetVisibility(kShown);
  panel_->SetPowerInputFocus();
  Send(coord_);
}

void ZORWENUIFrameDirection::SubscribePanel() {
  if (panelSubscribed_) return;
  panelSubscribed_ = true;
  AddAnalyseNotificationCB(panel_, panel_->GetDiaOKNotification(),
                           &ZORWENUIFrameDirection::ManagePanelCoordOK, nullptr);
  AddAnalyseNotificationCB(panel_, panel_->GetWindCloseNotification(),
                           &ZORWENUIFrameDirection::ManagePanelClose, nullptr);
  AddAnalyseNotificationCB(panel_, panel_->GetDiaCANCELNotification(),
                           &ZORWENUIFrameDirection::ManagePanelClose, nullptr);
  if (ZORWENUISelector* selector = panel_->GetAxisSelector()) {
    AddAnalyseNotificationCB(selector, selector->GetRemoveNotification(),
                             &ZORWENUIFrameDirection::RemoveAxis, nullptr);
  }
}

void ZORWENUIFrameDirection::SetOKButtonSensitivity() {
  if (!panelOpen_ || !panel_ || !direction_) return;
  double v[3] = {};
  direction_->GetComponents(v[0], v[1], v[2]);
  const bool null = v[0] == 0.0 && v[1] == 0.0 && v[2] == 0.0;
  panel_->SetOKSensitivity(null ? kInsensitive : kSensitive);
}

void ZORWENUIFrameDirection::ManagePanelCoordOK(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!panelOpen_ || !direction_) return;
  double v[3] = {};
  direction_->GetComponents(v[0], v[1], v[2]);
  if (v[0] == 0.0 && v[1] == 0.0 && v[2] == 0.0) return;  // nothing to validate: stays open
  direction_->SetReferenceAxisSystem(axis_);
  UpdateComponentsDisplay();
  RemoveCallBacks();
  ClosePanel();
  axis_ = nullptr;
  previousAxis_ = nullptr;
  Send(ok_);
}

void ZORWENUIFrameDirection::ManagePanelClose(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!panelOpen_ || !direction_) return;
  RemoveCallBacks();
  direction_->SetComponents(saved_.components[0], saved_.components[1], saved_.components[2]);
  direction_->SetReferenceAxisSystem(saved_.axis);
  if (saved_.element) direction_->SetElement(saved_.element);
  ClosePanel();
  axis_ = nullptr;
  previousAxis_ = nullptr;
  UpdateComponentsDisplay();
}

void ZORWENUIFrameDirection::ClosePanel() {
  panelOpen_ = false;
  if (!panel_) return;
  panel_->SetVisibility(kHidden);
  panel_->ReleasePowerInputFocus();
  if (owner_) owner_->SetPowerInputFocus();
}

void ZORWENUIFrameDirection::SetAxisSystem(ZORISpecObject_var& axis) {
  previousAxis_ = axis_;
  axis_ = axis;
  if (panel_ && panelOpen_) panel_->SetElemFeature(axis_);
  UpdateAxisSystem();
}

void ZORWENUIFrameDirection::UpdateAxisSystem() {
  if (!FetchParameters()) return;
  ZORIMf3DAxisSystemManager_var manager = AxisManager();
  double v[3] = {};
  for (int i = 0; i < 3; ++i) {
    ZORIParmAsStored_var stored(parameters_[i]);
    if (!stored) return;
    v[i] = stored->GetValueAsStored();
  }
  if (manager) {
    ZORMathAxis axis;
    double out[3] = {v[0], v[1], v[2]};
    if (previousAxis_ && SUCCEEDED(manager->GetMathAxis(previousAxis_, axis)) &&
        SUCCEEDED(manager->ConvertVector(axis, ZORIMf3DAxisSystemManager::kToAbsolute, v, out))) {
      std::copy(out, out + 3, v);
    }
    if (axis_ && SUCCEEDED(manager->GetMathAxis(axis_, axis)) &&
        SUCCEEDED(manager->ConvertVector(axis, ZORIMf3DAxisSystemManager::kToLocal, v, out))) {
      std::copy(out, out + 3, v);
    }
  }
  for (int i = 0; i < 3; ++i) ZORIParmAsStored_var(parameters_[i])->SetValueAsStored(v[i]);
}

void ZORWENUIFrameDirection::RemoveAxis(ZORCommand*, ZORNotification*, ZORCallbackData) {
  ZORISpecObject_var none;
  SetAxisSystem(none);
}

void ZORWENUIFrameDirection::RemoveMenuSelection(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!direction_) return;
  direction_->SetElement(nullptr);
  ClearSelection();
  Refresh();
  Send(remove_);
}

void ZORWENUIFrameDirection::SendNotif(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Send(elem_);
}

void ZORWENUIFrameDirection::ManageSelFrameDir(ZORCommand* sender, ZORNotification* notification,
                                               ZORCallbackData data) {
  ManageSelection(sender, notification, data);
}

void ZORWENUIFrameDirection::RemoveCallBacks() {
  for (int i = 0; i < 3; ++i) {
    ZORIParmEvents_var events(parameters_[i]);
    if (events && parameterCallbacks_[i]) {
      events->UnsubscribeFromValueChange(this, parameterCallbacks_[i]);
    }
    parameterCallbacks_[i] = 0;
  }
}

void ZORWENUIFrameDirection::Send(ZORNotification* notification) {
  if (notification && GetFather()) SendNotification(GetFather(), notification);
}
