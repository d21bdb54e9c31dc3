#include "ZORGuiPlanarPosFrame.h"

#include <new>

#include "ZOR3DFixedArrowGP.h"
#include "ZOR3DLineGP.h"
#include "ZORCkeParamFrame.h"
#include "ZORDlgCheckButton.h"
#include "ZORDlgLabel.h"
#include "ZORDlgPushButton.h"
#include "ZORDlgRadioButton.h"
#include "ZORDlgSelectorList.h"
#include "ZORDlgSeparator.h"
#include "ZORFatalError.h"
#include "ZORFrmEditor.h"
#include "ZORGuiDlgSeparatorWithLabel.h"
#include "ZORGuiNotifierFrame.h"
#include "ZORGuiPPFNotifExit.h"
#include "ZORGuiPPFNotifMainDirLeft.h"
#include "ZORGuiPPFNotifMainDirRight.h"
#include "ZORGuiPPFNotifOrigin1.h"
#include "ZORGuiPPFNotifOrigin2.h"
#include "ZORGuiPPFNotifSdDirLeft.h"
#include "ZORGuiPPFNotifSdDirRight.h"
#include "ZORGuiPPFNotifSelectPos.h"
#include "ZORGuiResourceText.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORIDescendants.h"
#include "ZORWENUIDirCoordNotification.h"
#include "ZORWENUIDirCoordPanelOKNotification.h"
#include "ZORWENUIDirElemNotification.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIFrameDirection.h"
#include "ZORWENUINewSelectionTests.h"
#include "ZORWENUIPlaneTranslator.h"
#include "ZORWENUIRotator.h"
#include "ZORWENUISelector.h"
#include "ZORWENUIStateCommand.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiPlanarPosFrame";
constexpr const char* kStateNames[] = {"statePPFO1", "statePPFO2", "statePPFFA1", "statePPFFA2"};
constexpr const char* kLiterals[] = {"XPos", "YPos", "AnglePos"};
// Which notification each indication agent waits for, in the order of the notifications.
enum Notif { kOrigin1, kOrigin2, kMainLeft, kMainRight, kSdLeft, kSdRight, kExit, kSelectPos };
constexpr const char* kIndicationNames[] = {"IndMainOrigin",    "IndSdOrigin", "IndMainAxis",
                                            "IndMainAxisCoord", "IndSdAxis",   "IndSdAxisCoord",
                                            "IndExit"};
// Behaviour and command mode of the indication agents.
constexpr int kIndicationBehavior = 64;
constexpr unsigned long kInvisibleFrame = 0x80000;
constexpr unsigned long kLabelStyle = 0x100000;
// Distance from a system's origin to its rotator's handle, in model units.
constexpr double kRotatorRadius = 20.0;
// The display inheritance of the positioned profile.
constexpr int kProfileInheritance = 4100 | 16;
// The internal notifier code of an edited literal.
constexpr int kLiteralCode = 21;

template <class W>
W* MakeWidget(ZORDialog* parent, const char* name, unsigned long style = 0) {
  W* widget = new (std::nothrow) W(parent, name, style);
  if (!widget) ZORFatalError("0", kSource, __LINE__);
  return widget;
}

// The input panel indices of the states, in state order.
constexpr int kStateInputs[] = {1, 3, 2, 4};

int SystemOfCode(int code) {
  return code == 4 || code == 6 ? 0 : 1;
}

unsigned long CheckState(bool on) {
  return on ? ZORDlgCheckButton::kChecked : ZORDlgCheckButton::kUnchecked;
}

unsigned long RadioState(bool on) {
  return on ? ZORDlgRadioButton::kChecked : ZORDlgRadioButton::kUnchecked;
}

}  // namespace

ZORGuiPlanarPosFrame::ZORGuiPlanarPosFrame(ZORWENUIStateCommand* command, ZORWENPPFMode mode)
    : ZORCommand(command, "ZORGuiPlanarPosFrame"),
      command_(command),
      mode_(mode == ZORWENPPFMode2 ? ZORWENPPFMode2 : ZORWENPPFMode1) {
  notifications_ = {ZORMake<ZORGuiPPFNotifOrigin1>(),     ZORMake<ZORGuiPPFNotifOrigin2>(),
                    ZORMake<ZORGuiPPFNotifMainDirLeft>(), ZORMake<ZORGuiPPFNotifMainDirRight>(),
                    ZORMake<ZORGuiPPFNotifSdDirLeft>(),   ZORMake<ZORGuiPPFNotifSdDirRight>(),
                    ZORMake<ZORGuiPPFNotifExit>(),        ZORMake<ZORGuiPPFNotifSelectPos>()};
  // A link, not a reference: the command owns this frame.
  ZORVar<ZORIWENPositioningUser> user(static_cast<ZORBaseUnknown*>(command));
  user_ = user.get();
  if (ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor()) iso_ = editor->GetISO();
}

ZORGuiPlanarPosFrame::~ZORGuiPlanarPosFrame() {
  RemoveAnalyseNotificationCBs(nullptr);
  EraseManipulators();
  if (notifier_) notifier_->Unlink();
}

void ZORGuiPlanarPosFrame::ForgetNotifier() {
  notifier_ = nullptr;
  paramFrame_ = nullptr;
  selPosButton_ = nullptr;
  showParamButton_ = nullptr;
  literalEditors_ = {};
  for (System& system : systems_) {
    system.selector = nullptr;
    system.picked = system.coordinates = system.byElement = system.byCoordinates = nullptr;
    system.swapX = system.swapY = nullptr;
    system.direction = nullptr;
  }
}

void ZORGuiPlanarPosFrame::RequestDelayedDestruction() {
  if (IsDestructionRequested()) return;
  RemoveAll3DLabels();
  EraseManipulators();
  ZORCommand::RequestDelayedDestruction();
}

// ------------------------------------------------------------------ states and transitions

ZORAction ZORGuiPlanarPosFrame::Act(bool (ZORGuiPlanarPosFrame::*method)(ZORCallbackData),
                                    ZORCallbackData data) {
  return std::make_shared<ZORStateAction>(
      [this, method, data](const ZORTransitionContext&) { return (this->*method)(data); });
}

ZORCondition ZORGuiPlanarPosFrame::Test(bool (ZORGuiPlanarPosFrame::*method)(ZORCallbackData)) {
  return std::make_shared<ZORStateCondition>(
      [this, method](const ZORTransitionContext&) { return (this->*method)(nullptr); });
}

ZORCondition ZORGuiPlanarPosFrame::Condition(bool (ZORWENUINewSelectionTests::*test)(void*),
                                             ZORDialogAgent* agent) {
  return ZORStateCommand::Condition(tests_.get(), test, agent);
}

ZORAction ZORGuiPlanarPosFrame::AndAction(const ZORAction& first, const ZORAction& second) {
  return std::make_shared<ZORStateAction>([first, second](const ZORTransitionContext& context) {
    const bool a = !first || first->Execute(context);
    const bool b = !second || second->Execute(context);
    return a && b;
  });
}

ZORCondition ZORGuiPlanarPosFrame::OrCondition(ZORCondition first, ZORCondition second) {
  return ZOROrCondition(std::move(first), std::move(second));
}

void ZORGuiPlanarPosFrame::InitializeDialog(ZORDialogState* next) {
  if (states_[0] || !command_) return;
  next_ = next;
  tests_ = ZORMake<ZORWENUINewSelectionTests>();
  selOrigin_ = ZORMake<ZORWENUIFeatureAgent>("SelOrigin");
  selOrigin_->AddOrderedPointAcquisition(0, 2048);
  selMainAxis_ = ZORMake<ZORWENUIFeatureAgent>("SelMainAxis");
  selMainAxis_->AddOrderedLineAcquisition(0, 2048);
  selMainAxis_->AddOrderedPlaneAcquisition();
  for (std::size_t i = 0; i < indications_.size(); ++i) {
    indications_[i] = ZORMake<ZORDialogAgent>(kIndicationNames[i], kIndicationBehavior);
    indications_[i]->AcceptOnNotify(this, notifications_[i].get());
  }
  for (int i = 0; i < 4; ++i) {
    states_[i] = command_->AddPanelState(kStateNames[i]);
    if (user_) user_->PositioningStateAdded(states_[i]);
    command_->AddAgent(states_[i], i < 2 ? static_cast<ZORDialogAgent*>(selOrigin_.get())
                                         : static_cast<ZORDialogAgent*>(selMainAxis_.get()));
    const ZORCallbackData input = ZORIntData(kStateInputs[i]);
    ZORAction enter = Act(&ZORGuiPlanarPosFrame::HighlightPanelInput, input);
    if (i == kMainDirection)
      enter = AndAction(enter, Act(&ZORGuiPlanarPosFrame::IDir1EnterAction, nullptr));
    if (i == kSecondDirection)
      enter = AndAction(enter, Act(&ZORGuiPlanarPosFrame::IDir2EnterAction, nullptr));
    states_[i]->SetEnterAction(enter);
    states_[i]->SetLeaveAction(Act(&ZORGuiPlanarPosFrame::DehighlightPanelInput, input));
  }
  if (mode_ == ZORWENPPFMode1) {
    AddTransitions1(next);
  } else {
    AddTransitions2(next);
  }
  for (ZORDialogState* state : states_) PlugPlanarPosIndication(state);
}

void ZORGuiPlanarPosFrame::AddTransitions1(ZORDialogState* next) {
  using T = ZORWENUINewSelectionTests;
  const auto point = [this] { return Condition(&T::VertexSelectionne, selOrigin_.get()); };
  const auto direction = [this] {
    return OrCondition(Condition(&T::LineSelectionneeSuivi, selMainAxis_.get()),
                       Condition(&T::PlanSelectionne, selMainAxis_.get()));
  };
  command_->AddTransition(states_[kFirstOrigin], states_[kMainDirection], point(),
                          Act(&ZORGuiPlanarPosFrame::SelectPoint, ZORIntData(0)));
  command_->AddTransition(states_[kMainDirection], states_[kSecondOrigin], direction(),
                          Act(&ZORGuiPlanarPosFrame::SelectDirection, ZORIntData(0)));
  command_->AddTransition(states_[kSecondOrigin], states_[kSecondDirection], point(),
                          Act(&ZORGuiPlanarPosFrame::SelectPoint, ZORIntData(1)));
  command_->AddTransition(states_[kSecondDirection], next, direction(),
                          Act(&ZORGuiPlanarPosFrame::SelectDirection, ZORIntData(1)));
}

void ZORGuiPlanarPosFrame::AddTransitions2(ZORDialogState* next) {
  using T = ZORWENUINewSelectionTests;
  command_->AddTransition(states_[kSecondOrigin], states_[kFirstOrigin],
                          ZORAndCondition(Condition(&T::VertexSelectionneSuivi, selOrigin_.get()),
                                          Test(&ZORGuiPlanarPosFrame::IsPositioningDisplayed)),
                          Act(&ZORGuiPlanarPosFrame::SelectPoint, ZORIntData(1)));
  command_->AddTransition(states_[kSecondOrigin], next,
                          Condition(&T::VertexSelectionne, selOrigin_.get()),
                          Act(&ZORGuiPlanarPosFrame::SelectPoint, ZORIntData(1)));
  command_->AddTransition(states_[kFirstOrigin], states_[kMainDirection],
                          Condition(&T::VertexSelectionne, selOrigin_.get()),
                          Act(&ZORGuiPlanarPosFrame::SelectPoint, ZORIntData(0)));
  command_->AddTransition(states_[kMainDirection], next,
                          OrCondition(Condition(&T::LineSelectionneeSuivi, selMainAxis_.get()),
                                      Condition(&T::PlanSelectionne, selMainAxis_.get())),
                          Act(&ZORGuiPlanarPosFrame::SelectDirection, ZORIntData(0)));
}

void ZORGuiPlanarPosFrame::PlugPlanarPosIndication(ZORDialogState* state) {
  if (!state || !command_ || !indications_[0]) return;
  struct Plug {
    int agent;
    int target;
    bool (ZORGuiPlanarPosFrame::*action)(ZORCallbackData);
    int data;
  };
  std::vector<Plug> plugs = {
      {kOrigin1, kFirstOrigin, &ZORGuiPlanarPosFrame::IndicatePoint, 0},
      {kOrigin2, kSecondOrigin, &ZORGuiPlanarPosFrame::IndicatePoint, 1},
      {kMainLeft, kMainDirection, &ZORGuiPlanarPosFrame::IndicateDirectionLeft, 0},
      {kMainRight, kMainDirection, &ZORGuiPlanarPosFrame::IndicateDirectionRight, 0}};
  if (mode_ != ZORWENPPFMode2) {
    plugs.push_back({kSdLeft, kSecondDirection, &ZORGuiPlanarPosFrame::IndicateDirectionLeft, 1});
    plugs.push_back({kSdRight, kSecondDirection, &ZORGuiPlanarPosFrame::IndicateDirectionRight, 1});
  }
  for (const Plug& plug : plugs) {
    ZORDialogAgent* agent = indications_[plug.agent].get();
    command_->AddAgent(state, agent);
    const bool own = (plug.agent == kMainLeft && state == states_[kMainDirection]) ||
                     (plug.agent == kSdLeft && state == states_[kSecondDirection]);
    if (own) state->AddDirectionAgent(agent);
    command_->AddTransition(state, states_[plug.target],
                            ZORStateCommand::IsOutputSetCondition(agent),
                            Act(plug.action, ZORIntData(plug.data)));
  }
  ZORDialogAgent* exit = indications_[kExit].get();
  command_->AddAgent(state, exit);
  command_->AddTransition(state, state, ZORStateCommand::IsOutputSetCondition(exit),
                          Act(&ZORGuiPlanarPosFrame::IndicateExit, nullptr));
}

ZORDialogState* ZORGuiPlanarPosFrame::GetState(int index) const {
  return index >= 0 && index < 4 ? states_[static_cast<std::size_t>(index)] : nullptr;
}

ZORDialogState* ZORGuiPlanarPosFrame::GetFirstState() const {
  return states_[mode_ == ZORWENPPFMode1 ? kFirstOrigin : kSecondOrigin];
}

// ------------------------------------------------------------------ actions and conditions

bool ZORGuiPlanarPosFrame::SelectPoint(ZORCallbackData flag) {
  if (!selOrigin_) return true;
  SetElement(selOrigin_->GetFeature(), static_cast<int>(ZORDataInt(flag)), 0);
  selOrigin_->InitializeAcquisition();
  return true;
}

bool ZORGuiPlanarPosFrame::SelectDirection(ZORCallbackData flag) {
  if (!selMainAxis_) return true;
  SetElement(selMainAxis_->GetFeature(), static_cast<int>(ZORDataInt(flag)), 1);
  selMainAxis_->InitializeAcquisition();
  return true;
}

bool ZORGuiPlanarPosFrame::IndicatePoint(ZORCallbackData index) {
  SetElement(nullptr, static_cast<int>(ZORDataInt(index)), 0);
  if (selOrigin_) selOrigin_->InitializeAcquisition();
  for (int i : {kOrigin1, kOrigin2}) indications_[i]->InitializeAcquisition();
  return true;
}

bool ZORGuiPlanarPosFrame::IndicateDirectionLeft(ZORCallbackData index) {
  SetElement(nullptr, static_cast<int>(ZORDataInt(index)), 1);
  if (selMainAxis_) selMainAxis_->InitializeAcquisition();
  for (int i : {kMainLeft, kSdLeft}) indications_[i]->InitializeAcquisition();
  return true;
}

bool ZORGuiPlanarPosFrame::IndicateDirectionRight(ZORCallbackData data) {
  const int index = static_cast<int>(ZORDataInt(data));
  ArrangeLayout();
  for (int i : {kMainRight, kSdRight}) indications_[i]->InitializeAcquisition();
  if (!ValidIndex(index)) return true;
  WriteDirection(index);
  SyncManipulators();
  ManageManipFreezeMode();
  TellUser();
  return true;
}

bool ZORGuiPlanarPosFrame::IndicateExit(ZORCallbackData) {
  if (indications_[kExit]) indications_[kExit]->InitializeAcquisition();
  return true;
}

bool ZORGuiPlanarPosFrame::IDir1EnterAction(ZORCallbackData) {
  EnterDirection(0);
  return true;
}

bool ZORGuiPlanarPosFrame::IDir2EnterAction(ZORCallbackData) {
  EnterDirection(1);
  return true;
}

void ZORGuiPlanarPosFrame::EnterDirection(int index) {
  System& system = systems_[index];
  // A click on the direction frame brought the command here: the click is taken, the frame
  // leaves its selection.
  if (!system.direction || system.direction->GetFrameSelection() != 1 || system.directionElement) {
    return;
  }
  system.direction->SetFrameSelection(0);
  ZORDialogState* state = states_[index == 0 ? kMainDirection : kSecondDirection];
  if (ZORDialogAgent* agent = state->GetDirectionAgent()) agent->InitializeAcquisition();
}

bool ZORGuiPlanarPosFrame::HighlightPanelInput(ZORCallbackData input) {
  highlighted_ = static_cast<int>(ZORDataInt(input));
  return true;
}

bool ZORGuiPlanarPosFrame::DehighlightPanelInput(ZORCallbackData input) {
  if (highlighted_ == static_cast<int>(ZORDataInt(input))) highlighted_ = 0;
  return true;
}

bool ZORGuiPlanarPosFrame::IsPositioningSelected(ZORCallbackData) {
  return positioningSelected_;
}

bool ZORGuiPlanarPosFrame::IsPositioningDisplayed(ZORCallbackData) {
  return positioningDisplayed_;
}

// ------------------------------------------------------------------ the transformation

HRESULT ZORGuiPlanarPosFrame::GetPositionTransfo(ZORIWENPositionTransfo_var& transfo) {
  if (!transfo_) {
    ZORIWENFactory_var factory = ZORGuiUtilitiesServices::GetCurrentWENFactory();
    ZORIWENPositionTransfo_var made = factory ? factory->CreatePositionTransfo() : nullptr;
    if (!made) return E_FAIL;
    transfo_ = made;
    transfo_->SetMode(ConvertModeFrameToModel());
    StoreLiterals();
    for (int index : {0, 1}) {
      transfo_->SetOrigin(index + 1, systems_[index].origin);
      transfo_->SetDirection(index + 1, ZORISpecObject_var(systems_[index].directionElement));
    }
  }
  transfo = transfo_;
  return S_OK;
}

HRESULT ZORGuiPlanarPosFrame::SetPositionTransfo(const ZORIWENPositionTransfo_var& transfo) {
  if (!transfo) return E_FAIL;
  transfo_ = transfo;
  for (int index : {0, 1}) {
    System& system = systems_[index];
    system.inversion = transfo_->GetAxisInversion(index + 1);
    SetSwapAxes(system.inversion, index);
    SetElement(transfo_->GetOrigin(index + 1), index, 0, 0);
    SetElement(transfo_->GetDirection(index + 1), index, 1, 0);
  }
  StoreLiterals();
  if (transfo_->GetMode() != 0) {
    positioningSelected_ = false;  // adopted: enabled afresh
    EnablePositioning();
  } else {
    DisablePositioning();
  }
  if (visu_ == ZORWENPPFVisu3) ShowPositioning();
  return S_OK;
}

int ZORGuiPlanarPosFrame::ConvertModeFrameToModel() const {
  return positioningSelected_ ? static_cast<int>(mode_) : 0;
}

ZORISpecObject_var ZORGuiPlanarPosFrame::GetElement(int index, int kind) const {
  if (!ValidIndex(index)) return nullptr;
  const System& system = systems_[index];
  if (kind == 0) return system.origin;
  return kind == 1 ? ZORISpecObject_var(system.directionElement) : nullptr;
}

void ZORGuiPlanarPosFrame::SetElement(const ZORISpecObject_var& element, int index, int kind,
                                      unsigned char notify) {
  if (!ValidIndex(index) || (kind != 0 && kind != 1)) return;
  System& system = systems_[index];
  if (kind == 0) {
    system.origin = element;
    if (system.selector) system.selector->SetSelectedElement(ZORBaseUnknown_var(element));
    if (transfo_) transfo_->SetOrigin(index + 1, element);
    if (element) SetTypeOrigine(1, index);
  } else {
    system.directionElement = ZORBaseUnknown_var(element);
    if (system.directionFeature) {
      // The direction frame shows the element: a direction feature given back is its own.
      const bool own = ZORIsSameObject(element.get(), system.directionFeature.get());
      if (!own) system.directionFeature->SetElement(element);
      if (system.direction) system.direction->UpdateComponentsDisplay();
    }
    if (transfo_) transfo_->SetDirection(index + 1, element);
    if (element) SetTypeDirection(1, index);
  }
  // The first input given while positioning is on brings the handles.
  if (positioningSelected_ && !manipulatorsShown_ && CountElementSelections() > 0) {
    CreateManipulators();
  } else {
    SyncManipulators();
  }
  ManageManipFreezeMode();
  if (!notify || !user_) return;
  user_->PositioningElementSet(index, kind, element);
  TellUser();
}

void ZORGuiPlanarPosFrame::SetTypeOrigine(int type, int index) {
  if (!ValidIndex(index) || (type != 1 && type != 2)) return;
  System& system = systems_[index];
  const bool picked = type == 1;
  if (system.picked) system.picked->SetState(RadioState(picked), 0);
  if (system.coordinates) system.coordinates->SetState(RadioState(!picked), 0);
  if (system.selector) {
    system.selector->SetSensitivity(picked ? ZORDialog::kSensitive : ZORDialog::kInsensitive);
  }
  if (transfo_) {
    if (ZORICkeParm_var flag = transfo_->GetBooleanParameter(index + 1)) {
      flag->Valuate(picked ? 1.0 : 0.0);
    }
  }
}

void ZORGuiPlanarPosFrame::SetTypeDirection(int type, int index) {
  if (!ValidIndex(index) || (type != 1 && type != 2)) return;
  System& system = systems_[index];
  if (system.byElement) system.byElement->SetState(RadioState(type == 1), 0);
  if (system.byCoordinates) system.byCoordinates->SetState(RadioState(type == 2), 0);
}

void ZORGuiPlanarPosFrame::SetSwapAxes(ZORWENAxisInversionMode mode, int index) {
  if (!ValidIndex(index) || mode < ZORWENNoInversion || mode > ZORWENXAndYInversion) return;
  System& system = systems_[index];
  if (system.swapX) system.swapX->SetState(CheckState((mode & ZORWENXInversion) != 0), 0);
  if (system.swapY) system.swapY->SetState(CheckState((mode & ZORWENYInversion) != 0), 0);
}

void ZORGuiPlanarPosFrame::WriteDirection(int index) {
  System& system = systems_[index];
  if (!system.directionFeature) return;
  const bool defined =
      system.directionFeature->HasComponents() || system.directionFeature->GetElement();
  if (!defined) return;
  const ZORISpecObject_var direction(system.directionFeature);
  system.directionElement = ZORBaseUnknown_var(direction);
  if (transfo_) transfo_->SetDirection(index + 1, direction);
  SetTypeDirection(system.directionFeature->IsDefinedByComponents() ? 2 : 1, index);
  if (system.direction) system.direction->UpdateComponentsDisplay();
}

int ZORGuiPlanarPosFrame::CountElementSelections() const {
  int count = 0;
  for (const System& system : systems_) {
    count += system.origin ? 1 : 0;
    count += system.directionElement ? 1 : 0;
  }
  return count;
}

void ZORGuiPlanarPosFrame::ResetUsedComponents() {
  if (!transfo_) return;
  for (int index : {0, 1}) {
    System& system = systems_[index];
    if (!transfo_->GetOrigin(index + 1)) system.origin = nullptr;
    if (!transfo_->GetDirection(index + 1)) system.directionElement = nullptr;
  }
}

void ZORGuiPlanarPosFrame::RemoveUnusedComponents() {
  if (!transfo_) return;
  for (int index : {0, 1}) {
    const System& system = systems_[index];
    if (!system.origin) transfo_->SetOrigin(index + 1, nullptr);
    if (!system.directionElement) transfo_->SetDirection(index + 1, nullptr);
  }
}

void ZORGuiPlanarPosFrame::TellUser() {
  if (user_ && transfo_) user_->PositioningChanged(transfo_);
}

void ZORGuiPlanarPosFrame::Send(ZORNotification* notification) {
  if (command_ && notification) SendNotification(command_, notification);
}

// ------------------------------------------------------------------ the panel part

void ZORGuiPlanarPosFrame::BuildLayout(ZORDlgFrame* parent, ZORDlgFrame*& out, ZORWENPPFVisu visu) {
  out = notifier_;
  if (notifier_ || !parent) return;
  visu_ = visu >= ZORWENPPFVisuNone && visu <= ZORWENPPFVisu3 ? visu : ZORWENPPFVisuNone;
  ZORIWENPositionTransfo_var transfo;
  GetPositionTransfo(transfo);
  notifier_ = new (std::nothrow) ZORGuiNotifierFrame(parent, this);
  if (!notifier_) ZORFatalError("0", kSource, __LINE__);
  out = notifier_;
  const bool wide = visu_ == ZORWENPPFVisu2 || visu_ == ZORWENPPFVisu3;
  ZORDlgFrame* secondOrigin = nullptr;
  if (wide) {
    new ZORGuiDlgSeparatorWithLabel(notifier_, "StartSeparator");
    secondOrigin = MakeWidget<ZORDlgFrame>(notifier_, "FraOriginSd");
  }
  auto* buttons = MakeWidget<ZORDlgFrame>(notifier_, "FraButton", kInvisibleFrame);
  selPosButton_ = MakeWidget<ZORDlgCheckButton>(buttons, "SelPosButton");
  showParamButton_ = MakeWidget<ZORDlgPushButton>(buttons, "ShowParamButton");
  notifier_->AjouteNotif(selPosButton_, selPosButton_->GetChkBModifyNotification(), 19);
  notifier_->AjouteNotif(showParamButton_, showParamButton_->GetPushBActivateNotification(), 20);

  paramFrame_ = MakeWidget<ZORDlgFrame>(notifier_, "AdvFrame");
  if (wide) {
    // The plain pair serves the system the mode asks for last, the "Birail" pair the other.
    const int last = mode_ == ZORWENPPFMode1 ? 1 : 0;
    const char* names[2][2] = {{"SwapXAxisButton", "SwapYAxisButton"},
                               {"SwapXAxisButtonBirail", "SwapYAxisButtonBirail"}};
    for (int pair = 0; pair < 2; ++pair) {
      const int index = pair == 0 ? last : 1 - last;
      System& system = systems_[index];
      system.swapX = MakeWidget<ZORDlgCheckButton>(paramFrame_, names[pair][0]);
      system.swapY = MakeWidget<ZORDlgCheckButton>(paramFrame_, names[pair][1]);
      notifier_->AjouteNotif(system.swapX, system.swapX->GetChkBModifyNotification(),
                             index == 0 ? 4 : 8);
      notifier_->AjouteNotif(system.swapY, system.swapY->GetChkBModifyNotification(),
                             index == 0 ? 6 : 10);
    }
  }
  BuildSystemPart(paramFrame_, 0);
  new ZORDlgSeparator(paramFrame_, "SepSdAxisSyst2");
  BuildSystemPart(secondOrigin ? secondOrigin : MakeWidget<ZORDlgFrame>(paramFrame_, "FraOriginSd"),
                  1);
  StoreLiterals();
  ArrangeLayout();
}

void ZORGuiPlanarPosFrame::BuildSystemPart(ZORDlgFrame* parent, int index) {
  System& system = systems_[index];
  ZORDlgFrame* origin = parent;
  if (index == 0) {
    auto* main = MakeWidget<ZORDlgFrame>(parent, "FraOriginMain");
    auto* first = MakeWidget<ZORDlgFrame>(main, "FraOrigin1");
    auto* second = MakeWidget<ZORDlgFrame>(main, "FraOrigin2");
    MakeWidget<ZORDlgLabel>(first, "LabelExplPos1");
    system.picked = MakeWidget<ZORDlgRadioButton>(first, "RadBOrigin1");
    system.coordinates = MakeWidget<ZORDlgRadioButton>(first, "RadBOrigin2");
    MakeWidget<ZORDlgLabel>(second, "LabelLittX");
    MakeWidget<ZORDlgLabel>(second, "LabelLittY");
    MakeWidget<ZORDlgFrame>(second, "FraLittX");
    MakeWidget<ZORDlgFrame>(second, "FraLittY");
    origin = first;
  }
  const char* selectorName = index == 0 ? "SelOriginP1" : "SelOriginP2";
  system.selector = new ZORWENUISelector(
      command_ ? command_->GiveMyPanel() : nullptr, origin, selectorName, kInvisibleFrame,
      ZORWENUISelector::kNoSelectionStyle, ZORGuiContextualMenuData::None(),
      ZORGuiContextualMenuData::None(), false);
  MakeWidget<ZORDlgLabel>(origin, index == 0 ? "LabOriginP1" : "LabOriginP2", kLabelStyle);
  notifier_->AjouteNotif(system.selector->GetEditor(), system.selector->GetListSelectNotification(),
                         index == 0 ? 17 : 18);
  if (system.origin) system.selector->SetSelectedElement(ZORBaseUnknown_var(system.origin));
  BuildDirectionFrame(parent, index);
}

void ZORGuiPlanarPosFrame::BuildDirectionFrame(ZORDlgFrame* parent, int index) {
  System& system = systems_[index];
  ZORDlgFrame* holder = parent;
  if (index == 0) {
    new ZORDlgSeparator(parent, "SepAngleDir1");
    auto* frame = MakeWidget<ZORDlgFrame>(parent, "FraDirection");
    auto* first = MakeWidget<ZORDlgFrame>(frame, "FraDirection1");
    MakeWidget<ZORDlgFrame>(frame, "FraDirection2");
    system.byElement = MakeWidget<ZORDlgRadioButton>(first, "RadBDirection1");
    system.byCoordinates = MakeWidget<ZORDlgRadioButton>(first, "RadBDirection2");
    MakeWidget<ZORDlgFrame>(first, "FraLittAngle");
    MakeWidget<ZORDlgLabel>(first, "LabDirection");
    holder = frame;
  } else {
    MakeWidget<ZORDlgLabel>(parent, "LabDirection2");
  }
  ZORIWENFactory_var factory = ZORGuiUtilitiesServices::GetCurrentWENFactory();
  ZORISpecObject_var made = factory ? factory->CreateFeatureOfType("WENDirection") : nullptr;
  // The transformation holds the directions made for it; one it cannot hold is not kept.
  ZORVar<ZORIDescendants> owner{ZORBaseUnknown_var(transfo_)};
  if (!made) return;
  if (!owner || FAILED(owner->AddChild(made)) || !command_) {
    ZORGuiUtilitiesServices::Remove(made);
    return;
  }
  system.directionFeature = ZORIWENDirection_var(made);
  if (!system.directionFeature) return;
  if (system.directionElement) {
    system.directionFeature->SetElement(ZORISpecObject_var(system.directionElement));
  }
  system.direction = new ZORWENUIFrameDirection(
      command_->GiveMyPanel(), holder, system.directionFeature,
      index == 0 ? "MainDirFrame" : "SdDirFrame", kInvisibleFrame,
      ZORWENUISelector::kNoSelectionStyle, ZORGuiContextualMenuData(false, false),
      ZORGuiContextualMenuData::None(), true);
  const int left = index == 0 ? 181 : 183;
  notifier_->AjouteNotif(system.direction, system.direction->GetDirElemNotification(), left);
  notifier_->AjouteNotif(system.direction, system.direction->GetDirCoordNotification(), left + 1);
  notifier_->AjouteNotif(system.direction, system.direction->GetDirCoordPanelOKNotification(),
                         left + 1);
}

void ZORGuiPlanarPosFrame::StoreLiterals() {
  if (!transfo_) return;
  static constexpr const char* kHolders[] = {"FraLittX", "FraLittY", "FraLittAngle"};
  for (int i = 0; i < 3; ++i) {
    ZORICkeParm_var literal = transfo_->GetLiteral(kLiterals[i]);
    if (!literal) ZORFatalError("0", kSource, __LINE__);
    ZORCkeParamFrame*& editor = literalEditors_[static_cast<std::size_t>(i)];
    if (editor && editor->GetParameter() == literal) continue;
    ZORDialog* holder = paramFrame_ ? paramFrame_->FindChild(kHolders[i]) : nullptr;
    if (!holder) continue;
    if (editor) editor->Destroy();
    editor = ZORCkeParamFrame::Create(literal, holder, kLiterals[i], ZORCkeWithSpinner,
                                      ZORUnicodeString(kLiterals[i]));
    if (editor && notifier_) {
      notifier_->AjouteNotif(editor, editor->GetModifyNotification(), kLiteralCode);
    }
  }
}

void ZORGuiPlanarPosFrame::ArrangeLayout() {
  if (!notifier_) return;
  if (paramFrame_) {
    paramFrame_->SetVisibility(positioningDisplayed_ ? ZORDialog::kShown : ZORDialog::kHidden);
  }
  if (selPosButton_) selPosButton_->SetState(CheckState(positioningSelected_), 0);
  if (showParamButton_) {
    showParamButton_->SetTitle(
        positioningDisplayed_
            ? ZORGuiResourceText(*showParamButton_, "LabelHidePosParam", "Hide parameters")
            : ZORGuiResourceText(*showParamButton_, "LabelShowPosParam", "Show parameters"));
    showParamButton_->SetSensitivity(positioningSelected_ ? ZORDialog::kSensitive
                                                          : ZORDialog::kInsensitive);
  }
  for (System& system : systems_) {
    if (system.direction) system.direction->UpdateComponentsDisplay();
  }
}

void ZORGuiPlanarPosFrame::RebuildPanel() {
  ArrangeLayout();
}

void ZORGuiPlanarPosFrame::HighlightInputs() {
  for (System& system : systems_) {
    if (system.selector && system.origin) system.selector->Highlight();
  }
}

// ------------------------------------------------------------------ notifier dispatch targets

void ZORGuiPlanarPosFrame::ModifyPanelOrigin(int index) {
  if (!ValidIndex(index)) return;
  Send(notifications_[index == 0 ? kOrigin1 : kOrigin2].get());
}

void ZORGuiPlanarPosFrame::LeftDirectionSelect(int index) {
  if (index != 1 && index != 2) return;
  if (ZORWENUIFrameDirection* frame = systems_[index - 1].direction) frame->SetFrameSelection(1);
  Send(notifications_[index == 1 ? kMainLeft : kSdLeft].get());
}

void ZORGuiPlanarPosFrame::RightDirectionSelect(int index) {
  if (index != 1 && index != 2) return;
  Send(notifications_[index == 1 ? kMainRight : kSdRight].get());
}

void ZORGuiPlanarPosFrame::LiteralChanged(ZORCommand*, ZORNotification*, ZORCallbackData) {
  SyncManipulators();
  TellUser();
}

// ------------------------------------------------------------------ positioning switches

void ZORGuiPlanarPosFrame::EnablePositioning() {
  if (positioningSelected_) return;
  positioningSelected_ = true;
  if (transfo_ && transfo_->GetMode() != ConvertModeFrameToModel()) {
    transfo_->SetMode(ConvertModeFrameToModel());
  }
  StoreLiterals();
  for (int index : {0, 1}) {
    if (systems_[index].origin) SetTypeOrigine(1, index);
  }
  ArrangeLayout();
  if (CountElementSelections() == 0) {
    EraseManipulators();
  } else {
    CreateManipulators();
    ShowPositioning();
  }
  TellUser();
}

void ZORGuiPlanarPosFrame::DisablePositioning() {
  positioningSelected_ = false;
  if (transfo_) {
    transfo_->SetMode(0);
    for (int system : {1, 2}) {
      if (ZORICkeParm_var flag = transfo_->GetBooleanParameter(system)) flag->Valuate(0.0);
    }
  }
  StoreLiterals();
  HidePositioning();
  if (showParamButton_) showParamButton_->SetSensitivity(ZORDialog::kInsensitive);
  EraseManipulators();
  if (visu_ != ZORWENPPFVisuNone && CountElementSelections() > 0) CreateManipulators();
  TellUser();
}

void ZORGuiPlanarPosFrame::ChangePosSelection() {
  if (positioningSelected_) {
    DisablePositioning();
  } else {
    EnablePositioning();
  }
  Send(notifications_[kSelectPos].get());
}

void ZORGuiPlanarPosFrame::ShowPositioning() {
  positioningDisplayed_ = true;
  RebuildPanel();
}

void ZORGuiPlanarPosFrame::HidePositioning() {
  positioningDisplayed_ = false;
  RebuildPanel();
  Send(notifications_[kExit].get());
}

void ZORGuiPlanarPosFrame::ChangePosVisibility() {
  if (positioningDisplayed_) {
    HidePositioning();
  } else if (positioningSelected_) {
    ShowPositioning();
  }
}

// ------------------------------------------------------------------ manipulators

bool ZORGuiPlanarPosFrame::GetManipPlane(int index, ZORMathPlane& plane) {
  if (!ValidIndex(index) || !user_) return false;
  ZORIWENDefaultPositioner_var positioner = user_->GetDefaultPositioner();
  ZORMathAxis axis;
  if (!positioner || FAILED(positioner->GetAxisSystem(index, axis))) return false;
  plane = ZORMathPlane(axis.GetOrigin(), axis.GetFirstDirection(), axis.GetSecondDirection());
  return true;
}

double ZORGuiPlanarPosFrame::Literal(const char* name) const {
  ZORICkeParm_var literal = transfo_ ? transfo_->GetLiteral(name) : nullptr;
  return literal ? literal->GetStoredValue() : 0.0;
}

void ZORGuiPlanarPosFrame::ValuateLiteral(const char* name, double value) {
  if (ZORICkeParm_var literal = transfo_ ? transfo_->GetLiteral(name) : nullptr) {
    literal->Valuate(value);
  }
}

ZORMathPoint ZORGuiPlanarPosFrame::DisplacedOrigin(const ZORMathPlane& plane) const {
  return plane.EvalPoint(Literal("XPos"), Literal("YPos"));
}

void ZORGuiPlanarPosFrame::CreateManipulators() {
  // One set at a time: what a previous switch made goes first.
  EraseManipulators();
  for (int index : {0, 1}) CreateSingleAxisSystemManipulator(index);
  manipulatorsShown_ = systems_[0].translator || systems_[1].translator;
  PositionRotators();
  ManageManipFreezeMode();
  if (mode_ == ZORWENPPFMode1) UpdatePositionedProfileRep();
}

void ZORGuiPlanarPosFrame::CreateSingleAxisSystemManipulator(int index) {
  ZORMathPlane plane;
  if (!ValidIndex(index) || !GetManipPlane(index, plane)) return;
  System& system = systems_[index];
  const char* key = index == 0 ? "InitialAxisName" : "TargetAxisName";
  const ZORUnicodeString name = command_ ? command_->GetResourceText(key) : ZORUnicodeString();
  const std::string text =
      name.IsEmpty() ? (index == 0 ? "Initial axis system" : "Target axis system") : name.str();
  system.translator = new ZORWENUIPlaneTranslator(this);
  system.translator->SetModeVisu(ZORWENUIPlaneTranslator::kMarker);
  system.translator->SetTranslationPlane(plane);
  system.translator->SetInitialPoint(plane.GetOrigin());
  system.translator->SetLocationPoint(DisplacedOrigin(plane));
  system.translator->AssociateText(text.c_str());
  system.translator->CreateManipulator();
  system.translator->Refresh();
  system.rotator = new ZORWENUIRotator(this, 0);
  system.rotator->SetModeVisu(ZORWENUIRotator::kArc);
  system.rotator->CreateManipulator();
  if (user_) {
    const int translatorCode = index == 0 ? kTranslator0 : kTranslator1;
    const int rotatorCode = index == 0 ? kRotator0 : kRotator1;
    for (ZORNotification* n : {system.translator->GetModifyNotification(),
                               system.translator->GetEndManipulateNotification()}) {
      AddAnalyseNotificationCB(system.translator, n, &ZORGuiPlanarPosFrame::ManipulatorNotif,
                               ZORIntData(translatorCode));
    }
    for (ZORNotification* n : {system.rotator->GetModifyNotification(),
                               system.rotator->GetEndManipulateNotification()}) {
      AddAnalyseNotificationCB(system.rotator, n, &ZORGuiPlanarPosFrame::ManipulatorNotif,
                               ZORIntData(rotatorCode));
    }
  }
  ZORIWENDefaultPositioner_var positioner = user_->GetDefaultPositioner();
  ZORMathAxis axis;
  if (positioner && SUCCEEDED(positioner->GetAxisSystem(index, axis))) DrawPlaneAxis(axis, index);
}

void ZORGuiPlanarPosFrame::ManipulatorNotif(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  UpdateManipulators(static_cast<int>(ZORDataInt(data)));
}

void ZORGuiPlanarPosFrame::UpdateManipulators(int code) {
  switch (code) {
    case 1:
    case 2: {
      const int index = code - 1;
      ZORWENUIPlaneTranslator* translator = systems_[index].translator;
      ZORMathPlane plane;
      if (!translator || !GetManipPlane(index, plane)) return;
      double u = 0.0, v = 0.0;
      plane.Project(translator->GetLocalPosition().GetOrigin(), u, v);
      translator->SetLocationPoint(plane.EvalPoint(u, v));
      ValuateLiteral("XPos", u);
      ValuateLiteral("YPos", v);
      PositionPlaneTranslator(1 - index);
      PositionRotators();
      break;
    }
    case 3:
    case 5:
      ManageRotatorMove(0);
      break;
    case 7:
    case 9:
      ManageRotatorMove(1);
      break;
    case 4:
    case 6:
    case 8:
    case 10:
      ManageRotatorInversion(SystemOfCode(code), code == 4 || code == 8);
      return;  // the inversion redraws and tells
    default:
      return;
  }
  if (mode_ == ZORWENPPFMode1) UpdatePositionedProfileRep();
  TellUser();
}

void ZORGuiPlanarPosFrame::ManageRotatorMove(int index) {
  if (!ValidIndex(index) || !systems_[index].rotator) return;
  ZORWENUIRotator* rotator = systems_[index].rotator;
  rotator->SetPosition(rotator->GetPosition());
  ValuateLiteral("AnglePos", rotator->GetAngle());
  PositionRotators();
}

void ZORGuiPlanarPosFrame::ManageRotatorInversion(int index, bool x) {
  if (!ValidIndex(index)) return;
  System& system = systems_[index];
  const ZORWENAxisInversionMode stored =
      transfo_ ? transfo_->GetAxisInversion(index + 1) : system.inversion;
  system.inversion = ZORWENToggleInversion(system.inversion, x);
  SetSwapAxes(system.inversion, index);
  if (transfo_ && system.inversion != stored) {
    transfo_->SetAxisInversion(index + 1, system.inversion);
  }
  SyncManipulators();
  if (mode_ == ZORWENPPFMode1 && manipulatorsShown_) UpdatePositionedProfileRep();
  TellUser();
}

void ZORGuiPlanarPosFrame::PositionPlaneTranslator(int index) {
  ZORMathPlane plane;
  if (!ValidIndex(index) || !systems_[index].translator || !GetManipPlane(index, plane)) return;
  ZORWENUIPlaneTranslator* translator = systems_[index].translator;
  translator->SetTranslationPlane(plane);
  translator->SetInitialPoint(plane.GetOrigin());
  translator->SetLocationPoint(DisplacedOrigin(plane));
  translator->Refresh();
}

void ZORGuiPlanarPosFrame::PositionRotators() {
  for (int index : {0, 1}) {
    ZORWENUIRotator* rotator = systems_[index].rotator;
    ZORMathPlane plane;
    if (!rotator || !GetManipPlane(index, plane)) continue;
    const ZORMathPoint centre = DisplacedOrigin(plane);
    rotator->SetLineDirection(ZORMathLine(centre, plane.GetNormal()));
    rotator->SetLocationPoint(centre + kRotatorRadius * plane.GetFirstDirection());
    rotator->SetAbsAngle(Literal("AnglePos"));
    rotator->Refresh();
  }
}

void ZORGuiPlanarPosFrame::SyncManipulators() {
  if (!manipulatorsShown_) return;
  ZORIWENDefaultPositioner_var positioner = user_ ? user_->GetDefaultPositioner() : nullptr;
  for (int index : {0, 1}) {
    PositionPlaneTranslator(index);
    ZORMathAxis axis;
    if (positioner && SUCCEEDED(positioner->GetAxisSystem(index, axis))) {
      DrawPlaneAxis(axis, index);
    }
  }
  PositionRotators();
  if (mode_ == ZORWENPPFMode1) UpdatePositionedProfileRep();
}

void ZORGuiPlanarPosFrame::ManageManipFreezeMode() {
  for (System& system : systems_) {
    const bool frozen = !system.origin;
    if (system.translator) frozen ? system.translator->Freeze() : system.translator->Unfreeze();
    if (system.rotator) frozen ? system.rotator->Freeze() : system.rotator->Unfreeze();
  }
}

void ZORGuiPlanarPosFrame::DrawPlaneAxis(const ZORMathAxis& axis, int index) {
  if (!ValidIndex(index)) return;
  System& system = systems_[index];
  if (!system.axes) system.axes = std::make_unique<ZORWENUIHandleShow>();
  if (!system.axes->GetISO()) return;
  auto drawing = ZORMake<ZOR3DCustomRep>();
  const ZORMathVector directions[] = {axis.GetFirstDirection(), axis.GetSecondDirection()};
  const char* texts[][2] = {{"X", "X"}, {"Y", "Y"}};
  for (int i = 0; i < 2; ++i) {
    auto arrow = std::make_unique<ZOR3DFixedArrowGP>(ZORMathPointf(axis.GetOrigin()),
                                                     ZORMathVectorf(directions[i]), 15, 5);
    const ZORUnicodeString text =
        command_ ? command_->GetResourceText(texts[i][0]) : ZORUnicodeString();
    arrow->AssociateText(text.IsEmpty() ? ZORUnicodeString(texts[i][1]) : text);
    drawing->AddGP(std::move(arrow), ZORWENUIHandleShow::Attributes(false, kAxisColor, 0));
  }
  drawing->SetNoPick(true);
  system.axes->Show(drawing.get(), nullptr);
}

void ZORGuiPlanarPosFrame::EraseManipulators() {
  for (System& system : systems_) {
    if (system.translator) {
      RemoveAnalyseNotificationCBs(system.translator);
      system.translator->RequestDelayedDestruction();
      system.translator = nullptr;
    }
    if (system.rotator) {
      RemoveAnalyseNotificationCBs(system.rotator);
      system.rotator->RequestDelayedDestruction();
      system.rotator = nullptr;
    }
    system.axes.reset();
  }
  manipulatorsShown_ = false;
  CleanRep();
}

ZORWENUIPlaneTranslator* ZORGuiPlanarPosFrame::GetPlaneTranslator(int index) const {
  return ValidIndex(index) ? systems_[index].translator : nullptr;
}

ZORWENUIRotator* ZORGuiPlanarPosFrame::GetRotator(int index) const {
  return ValidIndex(index) ? systems_[index].rotator : nullptr;
}

// ------------------------------------------------------------------ the positioned profile

void ZORGuiPlanarPosFrame::UpdatePositionedProfileRep() {
  ZORIWENDefaultPositioner_var positioner = user_ ? user_->GetDefaultPositioner() : nullptr;
  std::vector<ZORMathPoint> points;
  // Off, the element stays where it is: nothing is drawn as positioned.
  if (!positioningSelected_ || !iso_ || !positioner ||
      FAILED(positioner->GetPositionedPoints(points)) || points.size() < 2) {
    CleanRep();
    return;
  }
  if (!profile_) profile_ = std::make_unique<ZORWENUIHandleShow>();
  auto drawing = ZORMake<ZOR3DCustomRep>();
  for (std::size_t i = 1; i < points.size(); ++i) {
    drawing->AddGP(
        std::make_unique<ZOR3DLineGP>(ZORMathPointf(points[i - 1]), ZORMathPointf(points[i])),
        ZORWENUIHandleShow::Attributes(false, kTextColor, 1));
  }
  drawing->SetInheritanceMode(kProfileInheritance);
  drawing->SetNoPick(true);
  profile_->Show(drawing.get(), nullptr);
  RemoveAll3DLabels();
  const ZORUnicodeString resource =
      command_ ? command_->GetResourceText("TextOnPositionedElement") : ZORUnicodeString();
  const ZORUnicodeString text =
      resource.IsEmpty() ? ZORUnicodeString("Positioned element") : resource;
  const ZORMathPoint at = points[0] + 0.5 * (points[1] - points[0]);
  textSymbol_ = ZORVar<ZORGuiTextSymbol>::Adopt(
      new ZORGuiTextSymbol(text, at, kTextColor, static_cast<ZORBaseUnknown*>(transfo_.get())));
  iso_->AddElement(textSymbol_.get());
}

void ZORGuiPlanarPosFrame::CleanRep() {
  profile_.reset();
  RemoveAll3DLabels();
}

void ZORGuiPlanarPosFrame::RemoveAll3DLabels() {
  if (!textSymbol_) return;
  if (iso_ && iso_->IsMember(textSymbol_.get())) iso_->RemoveElement(textSymbol_.get());
  textSymbol_ = nullptr;
}
