#include "ZORGuiBasicLawPanel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>
#include <string>
#include <utility>

#include "ZOR2DBagRep.h"
#include "ZOR2DManipulator.h"
#include "ZORCkeNumbersDisplay.h"
#include "ZORCkeParamFrame.h"
#include "ZORCkeParmNotification.h"
#include "ZORCkeTypeDictionary.h"
#include "ZORCleaner.h"
#include "ZORDlgCheckButton.h"
#include "ZORDlgCombo.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgFrame.h"
#include "ZORDlgLabel.h"
#include "ZORDlgMultiList.h"
#include "ZORDlgPushItem.h"
#include "ZORDlgRadioButton.h"
#include "ZORDlgRadioItem.h"
#include "ZORDlgSelectorList.h"
#include "ZORDlgSeparator.h"
#include "ZORFatalError.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesLaw.h"
#include "ZORGuiBasicLawPanelChangeInterpoModeNotif.h"
#include "ZORGuiBasicLawPanelChangeLawTypeNotif.h"
#include "ZORGuiBasicLawPanelIndAdvancedLawNotif.h"
#include "ZORGuiBasicLawPanelIndPointsParamsNotif.h"
#include "ZORGuiBasicLawPanelInvertLawNotif.h"
#include "ZORGuiBasicLawPanelRemovePointFromListNotif.h"
#include "ZORGuiDlgSeparatorWithLabel.h"
#include "ZORGuiResourceText.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORGuiValueEditor.h"
#include "ZORICkeParamFrame.h"
#include "ZORIParmEvents.h"
#include "ZORIWENLaw.h"
#include "ZORIdentityOf.h"
#include "ZORNavigation2DViewer.h"
#include "ZORParmDictionary.h"
#include "ZORProtectedSection.h"
#include "ZORWENEditValueChangedNotification.h"
#include "ZORWENUIMultiList.h"
#include "ZORWENUISelector.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiBasicLawPanel";
constexpr unsigned long kFrameStyle = 0x80000;
constexpr int kArrowSymbol = 17;
constexpr int kPointSymbol = 2;
constexpr double kMinStep = 0.001;
constexpr double kMaxStep = 0.1;
constexpr int kStepSpinnerSteps = 100;
// Client data of the manipulator callbacks.
constexpr int kReleased = 0;
constexpr int kDragged = 1;
constexpr int kPreactivated = 2;
// Client data of SendNotifToFather and of the menu items.
constexpr int kIndicateLaw = 1;
constexpr int kIndicatePoint = 2;
constexpr int kInterpolation = 3;
constexpr int kRemovePoint = 4;
// Columns of the point list.
constexpr int kNumberColumn = 0;
constexpr int kPointColumn = 1;
constexpr int kValueColumn = 2;
constexpr int kReframe = 1;
constexpr int kChangeStep = 2;

template <class W, class... Args>
W* MakeWidget(Args&&... args) {
  W* widget = new (std::nothrow) W(std::forward<Args>(args)...);
  if (!widget) ZORFatalError("0", kSource, __LINE__);
  return widget;
}

template <class N>
void HandOver(N*& notification) {
  if (notification) ZORCleaner::DeleteOnTransactionEnd(std::exchange(notification, nullptr));
}

std::string G(double value) {
  return ZORString::Format("%g", value).str();
}

// The step as typed: the editor keeps a float, whose binary tail would shift every sample.
double StepFromEditor(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
  return std::strtod(text, nullptr);
}

}  // namespace

ZORGuiBasicLawPanel::ZORGuiBasicLawPanel(ZORDialog* father, unsigned long style)
    : ZORFrmDialog(father, "ZORGuiBasicLawPanel", style),
      invert_(new (std::nothrow) ZORGuiBasicLawPanelInvertLawNotif()),
      changeType_(new (std::nothrow) ZORGuiBasicLawPanelChangeLawTypeNotif()),
      indicateLaw_(new (std::nothrow) ZORGuiBasicLawPanelIndAdvancedLawNotif()),
      indicatePoints_(new (std::nothrow) ZORGuiBasicLawPanelIndPointsParamsNotif()),
      changeInterpolation_(new (std::nothrow) ZORGuiBasicLawPanelChangeInterpoModeNotif()),
      removePoint_(new (std::nothrow) ZORGuiBasicLawPanelRemovePointFromListNotif()) {}

ZORGuiBasicLawPanel::~ZORGuiBasicLawPanel() {
  HandOver(invert_);
  HandOver(changeType_);
  HandOver(indicateLaw_);
  HandOver(indicatePoints_);
  HandOver(changeInterpolation_);
  HandOver(removePoint_);
  RemoveManipulator();
  // Both the start and the current end parameter: neither may call a dead panel.
  Unsubscribe(start_, startSubscription_);
  Unsubscribe(end_, endSubscription_);
  ForgetImplicitParameters();
  // The temporary value was made for the panel alone.
  if (radius_)
    ZORGuiUtilitiesServices::Remove(ZORISpecObject_var(ZORBaseUnknown_var(radius_.get())));
  ClearDrawings();
}

// --- building ---

int ZORGuiBasicLawPanel::BuildPanel(const ZORICkeParm_var& start, const ZORICkeParm_var& end,
                                    const ZORWENBasicLawType type,
                                    const ZORWENBasicLawType layout) {
  if (!start || !end || drawFrame_) return 0;
  start_ = start;
  end_ = end;
  type_ = type;
  layout_ = layout;
  Subscribe(start_, startSubscription_);
  Subscribe(end_, endSubscription_);

  BuildViewer();
  BuildParameterFrame();
  selFrame_ = MakeWidget<ZORDlgFrame>(this, "FrameSel", kFrameStyle);
  auto* lawLabel = MakeWidget<ZORDlgLabel>(selFrame_, "LabLaw");
  lawLabel->SetTitle(ZORGuiResourceText(*this, "LabLaw.Title", "Law:"));
  selector_ = MakeWidget<ZORWENUISelector>(
      this, selFrame_, "SelLaw", kFrameStyle, ZORWENUISelector::kNoSelectionStyle,
      ZORGuiContextualMenuData::None(), ZORGuiContextualMenuData::None(), false);
  selFrame_->SetHorizontalAttachment(0, 5, {lawLabel, selector_});
  AddAnalyseNotificationCB(selector_->GetEditor(), selector_->GetListSelectNotification(),
                           &ZORGuiBasicLawPanel::SendNotifToFather, ZORIntData(kIndicateLaw));
  separator_ = MakeWidget<ZORGuiDlgSeparatorWithLabel>(this, "Separator");
  BuildTypeButtons();
  inversionButton_ = MakeWidget<ZORDlgCheckButton>(this, "InvButton");
  inversionButton_->SetTitle(ZORGuiResourceText(*this, "InvButton.Title", "Inverse law"));
  inversionButton_->SetState(
      inversion_ ? ZORDlgCheckButton::kChecked : ZORDlgCheckButton::kUnchecked, 0);
  AddAnalyseNotificationCB(inversionButton_, inversionButton_->GetChkBModifyNotification(),
                           &ZORGuiBasicLawPanel::InverseCB, nullptr);

  stepEditor_ = MakeWidget<ZORGuiValueEditor>(
      this, ZORString(ZORGuiResourceText(*this, "ChaineLawStep", "Enter Step")));
  stepEditor_->SetVisibility(kHidden);
  stepEditor_->SetSpinnerRange(static_cast<float>(kMinStep), static_cast<float>(kMaxStep),
                               kStepSpinnerSteps, 1);
  AddAnalyseNotificationCB(stepEditor_, stepEditor_->GetValueChangedNotification(),
                           &ZORGuiBasicLawPanel::LawStepIsEdited, nullptr);
  AddAnalyseNotificationCB(this, GetWindCloseNotification(),
                           &ZORGuiBasicLawPanel::ManageBasicLawPanelClose, nullptr);

  if (ZORDlgRadioButton* button = ButtonOf(type_)) button->SetState(ZORDlgRadioButton::kChecked, 0);
  GlobalFrameAttachment();
  RefreshPanelButtons();
  DrawLawViewer(1);
  return 1;
}

void ZORGuiBasicLawPanel::BuildViewer() {
  drawFrame_ = MakeWidget<ZORDlgFrame>(this, "FrameDessin", kFrameStyle);
  viewer_ = MakeWidget<ZORNavigation2DViewer>(drawFrame_, "LawViewer", static_cast<int>(width_),
                                              static_cast<int>(height_));
  viewer_->SetDrillSelectionMode(false);
  drawFrame_->SetHorizontalAttachment(0, 5, {viewer_});
}

void ZORGuiBasicLawPanel::BuildParameterFrame() {
  paramFrame_ = MakeWidget<ZORDlgFrame>(this, "FrameParam", kFrameStyle);
  auto* startLabel = MakeWidget<ZORDlgLabel>(paramFrame_, "LabelParam1");
  startLabel->SetTitle(ZORGuiResourceText(*this, "LabelParam1.Title", "Start:"));
  startEditor_ = ParameterEditor(start_, paramFrame_, "FraParam1");
  auto* endLabel = MakeWidget<ZORDlgLabel>(paramFrame_, "LabelParam2");
  endLabel->SetTitle(ZORGuiResourceText(*this, "LabelParam2.Title", "End:"));
  endEditor_ = ParameterEditor(end_, paramFrame_, "FraParam2");
  paramFrame_->SetHorizontalAttachment(0, 5, {startLabel, startEditor_});
  paramFrame_->SetHorizontalAttachment(1, 5, {endLabel, endEditor_});
}

void ZORGuiBasicLawPanel::BuildTypeButtons() {
  buttonsFrame_ = MakeWidget<ZORDlgFrame>(this, "FrameBoutons", kFrameStyle);
  const struct {
    ZORDlgRadioButton** button;
    const char* name;
    const char* text;
    ZORWENBasicLawType type;
  } buttons[] = {{&constant_, "ConstantBut", "Constant", ZORWENConstantLaw},
                 {&linear_, "LinearBut", "Linear", ZORWENLinearLaw},
                 {&sType_, "SBut", "S type", ZORWENSTypeLaw},
                 {&advanced_, "AdvBut", "Advanced", ZORWENAdvancedLaw},
                 {&implicit_, "ImplicitBut", "Implicit", ZORWENImplicitLaw}};
  for (const auto& wanted : buttons) {
    if (wanted.type == ZORWENImplicitLaw && !implicitMode_) continue;
    auto* button = MakeWidget<ZORDlgRadioButton>(buttonsFrame_, wanted.name);
    button->SetTitle(ZORGuiResourceText(*this, ZORString(wanted.name) + ".Title", wanted.text));
    buttonsFrame_->SetVerticalAttachment(wanted.type - 1, 5, {button});
    AddAnalyseNotificationCB(button, button->GetRadBModifyNotification(),
                             &ZORGuiBasicLawPanel::UpdateDrawing, ZORIntData(wanted.type));
    *wanted.button = button;
  }
}

ZORCkeParamFrame* ZORGuiBasicLawPanel::ParameterEditor(const ZORICkeParm_var& parameter,
                                                       ZORDialog* parent, const char* name) {
  ZORICkeParamFrame_var factory(parameter);
  return factory ? factory->GetInPanelEdition(nullptr, parent, name,
                                              ZORCkeWithSpinner | ZORCkeNoLabel, ZORUnicodeString())
                 : nullptr;
}

void ZORGuiBasicLawPanel::GlobalFrameAttachment() {
  if (layout_ == ZORWENAdvancedLaw) {
    int tab = 0;
    for (ZORDialog* frame : std::initializer_list<ZORDialog*>{
             drawFrame_, selFrame_, separator_, buttonsFrame_, inversionButton_, implicitFrame_}) {
      if (frame) SetVerticalAttachment(tab++, 5, {frame});
    }
    return;
  }
  SetVerticalAttachment(0, 5, {drawFrame_});
  SetVerticalAttachment(1, 5, {separator_});
  SetVerticalAttachment(2, 5, {buttonsFrame_});
}

void ZORGuiBasicLawPanel::ResetGlobalFrameAttachment() {
  ResetAttachment();
}

// --- state ---

ZORDlgRadioButton* ZORGuiBasicLawPanel::ButtonOf(ZORWENBasicLawType type) const {
  switch (type) {
    case ZORWENConstantLaw:
      return constant_;
    case ZORWENLinearLaw:
      return linear_;
    case ZORWENSTypeLaw:
      return sType_;
    case ZORWENAdvancedLaw:
      return advanced_;
    case ZORWENImplicitLaw:
      return implicit_;
  }
  return nullptr;
}

void ZORGuiBasicLawPanel::RefreshPanelButtons() {
  const bool startUsed =
      type_ == ZORWENConstantLaw || type_ == ZORWENLinearLaw || type_ == ZORWENSTypeLaw;
  const bool endUsed = type_ == ZORWENLinearLaw || type_ == ZORWENSTypeLaw;
  // An activation is published as a change of the parameter: not one to redraw for.
  const bool wasActivating = activating_;
  activating_ = true;
  const auto activate = [](const ZORICkeParm_var& parameter, bool used) {
    const ZORCke::Boolean wanted = used ? ZORCke::True : ZORCke::False;
    if (parameter && parameter->IsActivated() != wanted) parameter->SetActivated(wanted);
  };
  activate(start_, startUsed);
  activate(end_, endUsed);
  activating_ = wasActivating;
  if (selector_) selector_->SetSensitivity(type_ == ZORWENAdvancedLaw ? kSensitive : kInsensitive);
}

void ZORGuiBasicLawPanel::SetBasicLawType(const ZORWENBasicLawType type, int notify) {
  ZORDlgRadioButton* button = ButtonOf(type);
  if (!notify) {
    type_ = type;
    if (button) button->SetState(ZORDlgRadioButton::kChecked, 0);
    return;
  }
  // The button's own notification runs UpdateDrawing, as a click would.
  if (button) button->SetState(ZORDlgRadioButton::kChecked, notify);
}

void ZORGuiBasicLawPanel::SetLawInversion(const unsigned char inversion) {
  inversion_ = inversion ? 1 : 0;
  if (inversionButton_) {
    inversionButton_->SetState(
        inversion_ ? ZORDlgCheckButton::kChecked : ZORDlgCheckButton::kUnchecked, 0);
  }
}

void ZORGuiBasicLawPanel::SetLawFeature(const ZORICkeLaw_var& law) {
  if (selector_) selector_->SetSelectedElement(ZORBaseUnknown_var(law.get()));
  law_ = law;
  if (law_) SetBasicLawType(ZORWENAdvancedLaw, 1);
  if (type_ == ZORWENAdvancedLaw) DrawLawViewer(1);
}

void ZORGuiBasicLawPanel::GetLiterals(ZORICkeParm_var& start, ZORICkeParm_var& end) const {
  start = start_;
  end = end_;
}

void ZORGuiBasicLawPanel::SetLiterals(const ZORICkeParm_var&, const ZORICkeParm_var& end) {
  if (!end || ZORIdentityOf(end) == ZORIdentityOf(end_)) {
    return;
  }
  Unsubscribe(end_, endSubscription_);
  end_ = end;
  Subscribe(end_, endSubscription_);
  if (!paramFrame_) return;
  ZORCkeParamFrame* editor = ParameterEditor(end_, paramFrame_, "FraParamEnd");
  if (editor && endEditor_) paramFrame_->ReplaceAttachedChild(endEditor_, editor);
  if (endEditor_) std::exchange(endEditor_, nullptr)->Destroy();
  endEditor_ = editor;
  RefreshPanelButtons();
  DrawLawViewer(1);
}

void ZORGuiBasicLawPanel::DisableNotClosableLaw() {
  for (ZORDlgRadioButton* button : {linear_, sType_, advanced_}) {
    if (button) button->SetSensitivity(kInsensitive);
  }
}

void ZORGuiBasicLawPanel::EnableNotClosableLaw() {
  for (ZORDlgRadioButton* button : {linear_, sType_, advanced_}) {
    if (button) button->SetSensitivity(kSensitive);
  }
}

void ZORGuiBasicLawPanel::ResetHighlight() {
  if (selector_ && selector_->IsHighlighted()) selector_->UnHighlight();
  if (pointRows_) pointRows_->ClearSelect();
}

void ZORGuiBasicLawPanel::RefreshPanel(const ZORIWENIntegratedLaw_var& law) {
  integratedLaw_ = law;
  if (!integratedLaw_) return;
  // Buttons and lists change below; the father hears nothing of it.
  notify_ = 0;
  SetBasicLawType(integratedLaw_->GetLawType(), 0);
  SetLawInversion(static_cast<unsigned char>(integratedLaw_->GetInversion()));
  SetLawFeature(integratedLaw_->GetAdvancedLaw());
  RemoveImplicitLawFrame();
  if (type_ != ZORWENImplicitLaw) {
    if (inversionButton_) inversionButton_->SetSensitivity(kSensitive);
    ForgetImplicitParameters();
    selectedRow_ = 0;
    mapping_.RemoveAll();
  } else {
    FillImplicitLaw();
  }
  RedoAttachments();
  RefreshPanelButtons();
  DrawLawViewer(1);
  notify_ = 1;
}

void ZORGuiBasicLawPanel::Subscribe(const ZORICkeParm_var& parameter, ZORCallback& subscription) {
  ZORIParmEvents_var events(parameter);
  if (!events || subscription) return;
  subscription =
      events->SubscribeToValueChange(this, &ZORGuiBasicLawPanel::LiteralValueChanged, nullptr);
}

void ZORGuiBasicLawPanel::Unsubscribe(const ZORICkeParm_var& parameter, ZORCallback& subscription) {
  ZORIParmEvents_var events(parameter);
  if (events && subscription) events->UnsubscribeFromValueChange(this, subscription);
  subscription = 0;
}

void ZORGuiBasicLawPanel::Notify(ZORNotification* notification) {
  if (notify_ && notification && GetFather()) SendNotification(GetFather(), notification);
}

void ZORGuiBasicLawPanel::GetRange(double& minimum, double& maximum) const {
  minimum = min_;
  maximum = max_;
}

int ZORGuiBasicLawPanel::GetAssociedLawMode() const {
  if (!start_) return 0;
  const ZORString magnitude = start_->GetMagnitude();
  if (magnitude == ZORCkeTypeDictionary::GetLengthType().GetName()) return 1;
  if (magnitude == ZORCkeTypeDictionary::GetAngleType().GetName()) return 2;
  if (magnitude == ZORCkeTypeDictionary::GetRealType().GetName()) return 3;
  return 0;
}

ZORUnicodeString ZORGuiBasicLawPanel::ValueText(double value) const {
  switch (GetAssociedLawMode()) {
    case 1:
      return ZORGmoUtilitiesLaw::GetLengthInCurrentUnit(value);
    case 2:
      return ZORGmoUtilitiesLaw::GetAngleInCurrentUnit(value);
    default:
      return ZORUnicodeString(G(value).c_str());
  }
}

// --- computing and drawing ---

ZORLaw_var ZORGuiBasicLawPanel::EvaluableLaw() {
  if (integratedLaw_) return integratedLaw_->GetEvaluableLaw();
  ZORVar<ZORGeoFactory> factory = ZORGuiUtilitiesServices::GetCurrentGeoFactory();
  return ZORGmoUtilitiesLaw::ComputeZORLaw(factory.get(), law_, type_, start_, end_, inversion_);
}

int ZORGuiBasicLawPanel::ComputeTheLaw() {
  samples_.clear();
  failureTexts_.clear();
  ZORException* caught = ZORProtect([&] {
    ZORLaw_var law = EvaluableLaw();
    t0_ = 0.0;
    t1_ = 1.0;
    min_ = max_ = 0.0;
    bool measure =
        type_ == ZORWENImplicitLaw || (type_ == ZORWENAdvancedLaw && !ZORIWENLaw_var(law_.get()));
    // Without a law there is nothing to ask: its values are the 0.0 it starts with.
    if (!law) measure = true;
    if (!measure) {
      ZORException* unknown = ZORProtect([&] { law->GetExtremeValues(min_, max_); });
      if (ZORHandleCaught(unknown)) measure = true;
    }
    int count = static_cast<int>(t1_ / step_);
    while (count > 0 && t0_ + count * step_ > t1_) --count;
    double value = 0.0;
    auto sample = [&](double t) {
      if (law) value = law->Evaluate(t);
      samples_.push_back(value);
      if (!measure) return;
      min_ = std::min(min_, value);
      max_ = std::max(max_, value);
    };
    if (measure) min_ = max_ = law ? law->Evaluate(t0_) : 0.0;
    samples_.reserve(static_cast<std::size_t>(count) + 2);
    for (int i = 0; i <= count; ++i) sample(t0_ + i * step_);
    if (t0_ + (count + 1) * step_ != 1.0) sample(t1_);
  });
  if (!caught) return S_OK;
  samples_.clear();
  failureTexts_.push_back(
      ZORGuiResourceText(*this, "ChaineErrorLawEval", "Law can't be evaluated"));
  ZORHandleCaught(caught, [&](ZORError* error) {
    failureTexts_.push_back(error->GetNLSRequest());
    failureTexts_.push_back(error->GetNLSDiagnostic());
    error->Flush();
  });
  return E_FAIL;
}

double ZORGuiBasicLawPanel::SampleAbscissa(std::size_t i) const {
  return i + 1 == samples_.size() ? t1_ : t0_ + static_cast<double>(i) * step_;
}

void ZORGuiBasicLawPanel::ClearDrawings() {
  for (ZOR2DBagRep** rep : {&lawRep_, &textRep_}) {
    if (!*rep) continue;
    if (viewer_) viewer_->RemoveRep(*rep);
    std::exchange(*rep, nullptr)->Release();
  }
}

void ZORGuiBasicLawPanel::DrawLawViewer(int recompute) {
  if (!viewer_) return;
  width_ = viewer_->GetGraphicWidth();
  height_ = viewer_->GetGraphicHeight();
  ClearDrawings();
  lawRep_ = MakeWidget<ZOR2DBagRep>();
  textRep_ = MakeWidget<ZOR2DBagRep>();
  viewer_->AddRep(lawRep_);
  viewer_->AddRep(textRep_);
  if (recompute) ComputeTheLaw();
  if (!failureTexts_.empty()) {
    ShowFailure();
    return;
  }
  scale_ = height_ / width_;
  if (max_ != min_) scale_ = 1.0 / std::abs(max_ - min_) * height_ / width_;
  CreateAxesAndTextsRep();
  CreateLawRep();
  if (type_ == ZORWENConstantLaw || max_ == min_) {
    RemoveManipulator();
  } else {
    DrawManipulator(0.5f, static_cast<float>((max_ + min_) * scale_ * 0.5), 0);
  }
  if (const std::optional<ZOR2DBox> box = viewer_->GetBoundingBox()) {
    const double w = box->max.x - box->min.x;
    viewer_->SetVisibleBox({{box->min.x - 0.1 - w / 20.0, box->min.y - 0.1},
                            {box->max.x + 0.1 - w / 20.0, box->max.y + 0.1}});
  }
  viewer_->Redraw();
}

void ZORGuiBasicLawPanel::ShowFailure() {
  RemoveManipulator();
  double y = 8.0;
  for (const ZORUnicodeString& text : failureTexts_) {
    if (text.IsEmpty()) continue;
    textRep_->AddText({1.0, y}, text.str(), kErrorColor);
    y -= 1.0;
  }
  viewer_->SetVisibleBox({{0.0, 0.0}, {10.0, 10.0}});
  viewer_->Redraw();
}

void ZORGuiBasicLawPanel::CreateAxesAndTextsRep() {
  if (!textRep_) return;
  const double low = min_ * scale_;
  const double high = max_ * scale_;
  const double right = t1_ + 0.1;
  const double top = high + 0.1;
  textRep_->AddPolyline({{t0_, low}, {right, low}});
  textRep_->AddArrow({right, low}, {1.0, 0.0}, kArrowSymbol);
  textRep_->AddPolyline({{t0_, low}, {t0_, top}});
  textRep_->AddArrow({t0_, top}, {0.0, 1.0}, kArrowSymbol);
  textRep_->AddText({right, low}, ZORGuiResourceText(*this, "ChaineParameter", "Parameter").str());
  textRep_->AddText({t0_, low - 0.05}, G(t0_));
  textRep_->AddText({t1_, low - 0.05}, G(t1_));
  textRep_->AddText({t0_, top}, ZORGuiResourceText(*this, "ChaineAmplitude", "Amplitude").str());
  // The values the user typed, where the curve starts and ends; the other laws do not use them.
  const bool typed =
      type_ == ZORWENConstantLaw || type_ == ZORWENLinearLaw || type_ == ZORWENSTypeLaw;
  if (!typed) return;
  const bool endUsed = type_ != ZORWENConstantLaw;
  for (const ZORICkeParm_var& parameter : {start_, endUsed ? end_ : ZORICkeParm_var()}) {
    if (!parameter) continue;
    const double value = parameter->GetStoredValue();
    textRep_->AddText({t0_, value * scale_}, " " + ValueText(value).str());
  }
}

void ZORGuiBasicLawPanel::CreateLawRep() {
  if (!lawRep_ || samples_.size() < 2) return;
  // One run through every sample: the segments between consecutive samples.
  std::vector<ZOR2DPoint> points;
  points.reserve(samples_.size());
  for (std::size_t i = 0; i < samples_.size(); ++i) {
    points.push_back({SampleAbscissa(i), samples_[i] * scale_});
  }
  lawRep_->AddPolyline(std::move(points), kCurveColor);
}

void ZORGuiBasicLawPanel::DrawManipulator(float xf, float yf, int) {
  if (!viewer_) return;
  const double x = std::clamp(static_cast<double>(xf), t0_, t1_);
  double y = yf;
  if (!manipulator_) {
    manipulator_ = MakeWidget<ZOR2DManipulator>(this, "LawManip", viewer_);
    const struct {
      ZORNotification* notification;
      int data;
    } events[] = {{manipulator_->GetZORManipulate(), kDragged},
                  {manipulator_->GetZOREndManipulate(), kReleased},
                  {manipulator_->GetZORPreactivate(), kPreactivated},
                  {manipulator_->GetZOREndPreactivate(), kReleased}};
    for (const auto& event : events) {
      AddAnalyseNotificationCB(manipulator_, event.notification,
                               &ZORGuiBasicLawPanel::LawManipulatorModified,
                               ZORIntData(event.data));
    }
    AddAnalyseNotificationCB(manipulator_, manipulator_->GetZORContext(),
                             &ZORGuiBasicLawPanel::ContextMenu, nullptr);
    AddAnalyseNotificationCB(manipulator_, manipulator_->GetZOREndContext(),
                             &ZORGuiBasicLawPanel::ContextMenuEnd, nullptr);
  }
  if (!samples_.empty()) {
    const auto j = static_cast<std::size_t>(x * t1_ / step_);
    if (j + 1 < samples_.size()) {
      const double xj = SampleAbscissa(j);
      const double xk = SampleAbscissa(j + 1);
      const double u = xk > xj ? (x - xj) / (xk - xj) : 0.0;
      y = (samples_[j] + u * (samples_[j + 1] - samples_[j])) * scale_;
    }
  }
  auto rep = ZORMake<ZOR2DBagRep>();
  rep->SetColor(kHandleColor);
  rep->AddMarker({x, y}, kPointSymbol);
  rep->AddPolyline({{t0_, y}, {t1_, y}});
  rep->AddPolyline({{x, min_ * scale_}, {x, y}});
  rep->AddText({x, y}, G(x) + " " + ValueText(scale_ != 0.0 ? y / scale_ : 0.0).str());
  manipulator_->SetRep(rep.get());
  manipulator_->SetOrigin({x, y});
  handleAt_ = x;
}

void ZORGuiBasicLawPanel::RemoveManipulator() {
  if (!manipulator_) return;
  RemoveAnalyseNotificationCBs(manipulator_);
  std::exchange(manipulator_, nullptr)->Destroy();
}

// --- callbacks ---

void ZORGuiBasicLawPanel::UpdateDrawing(ZORCommand* sender, ZORNotification*,
                                        ZORCallbackData data) {
  auto* button = dynamic_cast<ZORDlgRadioButton*>(sender);
  // The button that lost its check speaks too: only the new choice counts.
  if (!button || button->GetState() != ZORDlgRadioButton::kChecked) return;
  const auto type = static_cast<ZORWENBasicLawType>(ZORDataInt(data));
  const bool changed = type != type_;
  type_ = type;
  RefreshPanelButtons();
  if (!changed) return;
  RemoveImplicitLawFrame();
  if (type_ == ZORWENImplicitLaw) BuildImplicitLawCreationFrame();
  RedoAttachments();
  DrawLawViewer(1);
  Notify(changeType_);
}

void ZORGuiBasicLawPanel::InverseCB(ZORCommand*, ZORNotification*, ZORCallbackData) {
  inversion_ = inversionButton_ && inversionButton_->GetState() == ZORDlgCheckButton::kChecked;
  DrawLawViewer(1);
  if (viewer_) viewer_->Redraw();
  Notify(invert_);
}

void ZORGuiBasicLawPanel::LiteralValueChanged(const char*, void* parameter,
                                              ZORNotification* notification, void*, long) {
  if (activating_ || !dynamic_cast<ZORCkeParmNotification*>(notification)) return;
  // A parameter the law type does not use changes nothing drawn.
  ZORICkeParm_var changed(static_cast<ZORBaseUnknown*>(parameter));
  if (changed && changed->IsActivated() == ZORCke::False) return;
  DrawLawViewer(1);
}

void ZORGuiBasicLawPanel::SendNotifToFather(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  switch (ZORDataInt(data)) {
    case kIndicateLaw:
      Notify(indicateLaw_);
      break;
    case kIndicatePoint:
      Notify(indicatePoints_);
      break;
    case kInterpolation:
      Notify(changeInterpolation_);
      break;
    case kRemovePoint:
      Notify(removePoint_);
      break;
    default:
      break;
  }
}

void ZORGuiBasicLawPanel::LawManipulatorModified(ZORCommand*, ZORNotification*,
                                                 ZORCallbackData data) {
  if (!manipulator_ || !viewer_) return;
  switch (ZORDataInt(data)) {
    case kPreactivated:
      if (ZOR2DBagRep* rep = manipulator_->GetRep()) rep->SetHighlight(true);
      break;
    case kDragged: {
      const ZOR2DPoint at = manipulator_->GetOrigin();
      DrawManipulator(static_cast<float>(at.x), static_cast<float>(at.y), 1);
      break;
    }
    default:
      if (ZOR2DBagRep* rep = manipulator_->GetRep()) rep->SetHighlight(false);
      break;
  }
  viewer_->Redraw();
}

void ZORGuiBasicLawPanel::ContextMenu(ZORCommand*, ZORNotification* notification, ZORCallbackData) {
  ZORDlgContextualMenu* menu = ZORDlgContextualMenu::CarriedBy(notification);
  if (!menu) return;
  reframeItem_ = MakeWidget<ZORDlgRadioItem>(menu, "item1");
  reframeItem_->SetTitle(ZORGuiResourceText(*this, "ChaineReframeOn", "Reframe On"));
  stepItem_ = MakeWidget<ZORDlgRadioItem>(menu, "item2");
  stepItem_->SetTitle(ZORGuiResourceText(*this, "ChaineEvalStep", "Change Evaluation Step"));
  reframeCallback_ =
      AddAnalyseNotificationCB(reframeItem_, reframeItem_->GetMenuIModifyNotification(),
                               &ZORGuiBasicLawPanel::CallBackContextualMenu, ZORIntData(kReframe));
  stepCallback_ = AddAnalyseNotificationCB(stepItem_, stepItem_->GetMenuIModifyNotification(),
                                           &ZORGuiBasicLawPanel::CallBackContextualMenu,
                                           ZORIntData(kChangeStep));
}

void ZORGuiBasicLawPanel::ContextMenuEnd(ZORCommand*, ZORNotification*, ZORCallbackData) {
  RemoveAnalyseNotificationCB(std::exchange(reframeCallback_, 0));
  RemoveAnalyseNotificationCB(std::exchange(stepCallback_, 0));
  reframeItem_ = stepItem_ = nullptr;
}

void ZORGuiBasicLawPanel::CallBackContextualMenu(ZORCommand*, ZORNotification*,
                                                 ZORCallbackData data) {
  if (ZORDataInt(data) == kReframe) {
    DrawLawViewer(0);
    return;
  }
  if (!stepEditor_) return;
  stepEditor_->SetValue(static_cast<float>(step_));
  stepEditor_->SetVisibility(kShown);
}

void ZORGuiBasicLawPanel::LawStepIsEdited(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!stepEditor_) return;
  SetStep(StepFromEditor(stepEditor_->GetValue()));
}

bool ZORGuiBasicLawPanel::SetStep(double step) {
  if (!(step > 0.0 && step <= kMaxStep)) return false;
  step_ = step;
  DrawLawViewer(1);
  if (viewer_) viewer_->Redraw();
  return true;
}

void ZORGuiBasicLawPanel::ManageBasicLawPanelClose(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (GetFather()) SendNotification(GetFather(), GetDiaCLOSENotification());
}

// --- implicit law ---

void ZORGuiBasicLawPanel::RedoAttachments() {
  ResetGlobalFrameAttachment();
  GlobalFrameAttachment();
}

ZORICkeParm_var ZORGuiBasicLawPanel::TemporaryRadius() {
  if (radius_) return radius_;
  ZORIWENFactory_var factory = ZORGuiUtilitiesServices::GetCurrentWENFactory();
  std::optional<ZORCkeParmFactory> parameters =
      factory ? ZORParmDictionary::GetFactory(factory->GetFactoryContainer().get()) : std::nullopt;
  radius_ = parameters ? parameters->CreateLength("Radius", 0.0)
                       : ZORParmDictionary::GetVolatileFactory()->CreateLength("Radius", 0.0);
  if (radius_) radius_->SetActivated(ZORCke::False);
  return radius_;
}

void ZORGuiBasicLawPanel::BuildImplicitLawCreationFrame() {
  if (implicitFrame_) return;
  implicitFrame_ = MakeWidget<ZORDlgFrame>(this, "FrameImplicitLaw", kFrameStyle);
  pointList_ = MakeWidget<ZORWENUIMultiList>(implicitFrame_, "MultiListPointsParams", 0);
  pointRows_ = pointList_->GetMultiList();
  const ZORUnicodeString titles[] = {ZORGuiResourceText(*this, "ChaineNumList", "Num"),
                                     ZORGuiResourceText(*this, "ChainePointsList", "Points"),
                                     ZORGuiResourceText(*this, "ChaineRadiusList", "Radius")};
  pointRows_->SetColumnTitles(3, titles);
  pointRows_->SetVisibleColumnCount(3);
  pointRows_->SetVisibleLineCount(5);
  pointList_->SetFeatureColumn(kPointColumn);
  AddAnalyseNotificationCB(pointRows_, pointList_->GetListSelectNotification(),
                           &ZORGuiBasicLawPanel::SelInPointsParamsList, nullptr);
  if (ZORDlgContextualMenu* menu = pointList_->GetContextualMenu()) {
    removeItem_ = MakeWidget<ZORDlgPushItem>(menu, "RemoveItem");
    removeItem_->SetTitle(ZORGuiResourceText(*this, "RemoveItem.Title", "Remove"));
    MakeWidget<ZORDlgSeparator>(menu, "Separator");
    AddAnalyseNotificationCB(removeItem_, removeItem_->GetMenuIActivateNotification(),
                             &ZORGuiBasicLawPanel::ListPointsParamsRemove, nullptr);
    AddAnalyseNotificationCB(menu, menu->GetVisibilityNotification(),
                             &ZORGuiBasicLawPanel::SelectListPointsParamsCxtMenu, nullptr);
  }

  radiusFrame_ = MakeWidget<ZORDlgFrame>(implicitFrame_, "FrameParamRadiusList", kFrameStyle);
  auto* radiusLabel = MakeWidget<ZORDlgLabel>(radiusFrame_, "LabelParamImp");
  radiusLabel->SetTitle(ZORGuiResourceText(*this, "LabelParamImp.Title", "Value:"));
  implicitEditor_ = ParameterEditor(TemporaryRadius(), radiusFrame_, "FraParamImp");
  radiusFrame_->SetHorizontalAttachment(0, 5, {radiusLabel, implicitEditor_});

  auto* choiceFrame = MakeWidget<ZORDlgFrame>(implicitFrame_, "FrameTempoParam", kFrameStyle);
  auto* choiceLabel = MakeWidget<ZORDlgLabel>(choiceFrame, "LabInterpoMode");
  choiceLabel->SetTitle(ZORGuiResourceText(*this, "LabInterpoMode.Title", "Interpolation:"));
  interpolationCombo_ = MakeWidget<ZORDlgCombo>(choiceFrame, "ComboInterpoMode", 0);
  interpolationCombo_->SetLine(ZORGuiResourceText(*this, "ChaineInterpoLinear", "Linear"));
  interpolationCombo_->SetLine(ZORGuiResourceText(*this, "ChaineInterpoCubic", "Cubic"));
  interpolationCombo_->SetSelect(0);
  AddAnalyseNotificationCB(interpolationCombo_, interpolationCombo_->GetComboSelectNotification(),
                           &ZORGuiBasicLawPanel::ModifyInterpoMode, nullptr);
  choiceFrame->SetHorizontalAttachment(0, 5, {choiceLabel, interpolationCombo_});

  implicitFrame_->SetVerticalAttachment(0, 5, {pointList_});
  implicitFrame_->SetVerticalAttachment(1, 5, {radiusFrame_});
  implicitFrame_->SetVerticalAttachment(2, 5, {choiceFrame});
}

void ZORGuiBasicLawPanel::RemoveImplicitLawFrame() {
  if (!implicitFrame_) return;
  // Only these senders' callbacks: no sender would mean every callback of the panel.
  for (ZORCommand* sender :
       std::initializer_list<ZORCommand*>{pointRows_, interpolationCombo_, removeItem_,
                                          pointList_ ? pointList_->GetContextualMenu() : nullptr}) {
    if (sender) RemoveAnalyseNotificationCBs(sender);
  }
  pointList_ = nullptr;
  pointRows_ = nullptr;
  interpolationCombo_ = nullptr;
  removeItem_ = nullptr;
  radiusFrame_ = nullptr;
  implicitEditor_ = nullptr;
  std::exchange(implicitFrame_, nullptr)->Destroy();
}

void ZORGuiBasicLawPanel::FillImplicitLaw() {
  BuildImplicitLawCreationFrame();
  if (interpolationCombo_) {
    interpolationCombo_->SetSelect(integratedLaw_->GetInterpolationMode() - 1);
  }
  ZORListValZORISpecObject_var points, parameters;
  integratedLaw_->GetImplicitLawPoints(points, parameters);
  ZORGmoUtilitiesLaw::GetImplicitLawMappingList(integratedLaw_, mapping_);
  if (FAILED(ZORGmoUtilitiesLaw::SortAccordingToMappingList(points, mapping_)) ||
      FAILED(ZORGmoUtilitiesLaw::SortAccordingToMappingList(parameters, mapping_))) {
    mapping_.RemoveAll();
    points.RemoveAll();
    parameters.RemoveAll();
  }
  // Subscriptions of an earlier filling go first: one redraw per change.
  ForgetImplicitParameters();
  implicitParameters_ = parameters;
  for (const ZORISpecObject_var& parameter : implicitParameters_) {
    ZORIParmEvents_var events(parameter);
    if (!events) continue;
    implicitSubscriptions_.push_back(events->SubscribeToValueChange(
        this, &ZORGuiBasicLawPanel::ImplicitLawParamChanged, nullptr));
  }
  FillPointList(points);
  if (pointRows_ && selectedRow_ >= 0 && selectedRow_ < pointRows_->GetLineCount()) {
    pointRows_->SetSelect(selectedRow_, 0);
    SelInPointsParamsList(nullptr, nullptr, nullptr);
  }
  if (inversionButton_) inversionButton_->SetSensitivity(kInsensitive);
  if (interpolationCombo_) {
    const int closed =
        ZORGmoUtilitiesBody::IsAClosedWire(ZORBaseUnknown_var(integratedLaw_->GetSupport().get()));
    interpolationCombo_->SetSensitivity(closed ? kInsensitive : kSensitive);
  }
}

void ZORGuiBasicLawPanel::ForgetImplicitParameters() {
  for (int i = 1; i <= implicitParameters_.Size(); ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    ZORIParmEvents_var events(implicitParameters_[i]);
    if (events && k < implicitSubscriptions_.size() && implicitSubscriptions_[k]) {
      events->UnsubscribeFromValueChange(this, implicitSubscriptions_[k]);
    }
  }
  implicitSubscriptions_.clear();
  implicitParameters_.RemoveAll();
}

void ZORGuiBasicLawPanel::FillPointList(const ZORListValZORISpecObject_var& points) {
  if (!pointRows_) return;
  pointRows_->ClearLine();
  for (int row = 0; row < points.Size(); ++row) {
    pointRows_->SetColumnItem(kNumberColumn, ZORString::Format("%d", row + 1).str().c_str(), row);
    pointList_->SetFeature(ZORBaseUnknown_var(points[row + 1].get()), row);
  }
  WriteParameterColumn();
}

void ZORGuiBasicLawPanel::WriteParameterColumn() {
  if (!pointRows_) return;
  for (int row = 0; row < implicitParameters_.Size() && row < pointRows_->GetLineCount(); ++row) {
    ZORICkeParm_var parameter{ZORBaseUnknown_var(implicitParameters_[row + 1].get())};
    pointRows_->SetColumnItem(
        kValueColumn,
        parameter ? ZORCkeNumbersDisplay::ParmToString(parameter) : ZORUnicodeString(), row);
  }
}

void ZORGuiBasicLawPanel::ReplaceImplicitEditor(const ZORICkeParm_var& parameter) {
  if (!radiusFrame_) return;
  ZORCkeParamFrame* editor = ParameterEditor(parameter, radiusFrame_, "FraParamImp");
  if (editor && implicitEditor_) radiusFrame_->ReplaceAttachedChild(implicitEditor_, editor);
  if (implicitEditor_) std::exchange(implicitEditor_, nullptr)->Destroy();
  implicitEditor_ = editor;
}

int ZORGuiBasicLawPanel::GetImplicitLawInterpoMode() const {
  return interpolationCombo_ ? interpolationCombo_->GetSelect() + 1 : 1;
}

int ZORGuiBasicLawPanel::GetListSelectedLine() const {
  if (!pointRows_ || pointRows_->GetSelectCount() != 1) return 0;
  const int row = pointRows_->GetSelect().front();
  return row + 1 <= mapping_.Size() ? mapping_[row + 1] : 0;
}

void ZORGuiBasicLawPanel::SetListElemToNotRemove(ZORRawCollint& indices) {
  notRemovable_.RemoveAll();
  for (int index : indices) {
    if (index < 1 || index > mapping_.Size()) continue;
    if (const int row = mapping_.Locate(index)) notRemovable_.Append(row);
  }
}

void ZORGuiBasicLawPanel::ImplicitLawParamChanged(const char*, void*, ZORNotification*, void*,
                                                  long) {
  WriteParameterColumn();
  DrawLawViewer(1);
}

void ZORGuiBasicLawPanel::SelInPointsParamsList(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!pointRows_ || pointRows_->GetSelectCount() != 1) return;
  selectedRow_ = pointRows_->GetSelect().front();
  if (selectedRow_ < implicitParameters_.Size()) {
    ReplaceImplicitEditor(
        ZORICkeParm_var(ZORBaseUnknown_var(implicitParameters_[selectedRow_ + 1].get())));
  }
  SendNotifToFather(nullptr, nullptr, ZORIntData(kIndicatePoint));
}

void ZORGuiBasicLawPanel::ListPointsParamsRemove(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!pointRows_) return;
  // The row right-clicked, else the one selected.
  int row = pointRows_->GetContextualLine();
  if (row < 0 && pointRows_->GetSelectCount() == 1) row = pointRows_->GetSelect().front();
  if (row < 0) return;
  pointRows_->ClearSelect();
  pointRows_->SetSelect(row, 1);
  SendNotifToFather(nullptr, nullptr, ZORIntData(kRemovePoint));
}

void ZORGuiBasicLawPanel::SelectListPointsParamsCxtMenu(ZORCommand*, ZORNotification*,
                                                        ZORCallbackData) {
  if (!removeItem_ || !pointRows_) return;
  const int row = pointRows_->GetContextualLine();
  const bool removable = row >= 0 && !notRemovable_.Locate(row + 1);
  removeItem_->SetSensitivity(removable ? kSensitive : kInsensitive);
}

void ZORGuiBasicLawPanel::ModifyInterpoMode(ZORCommand*, ZORNotification*, ZORCallbackData) {
  SendNotifToFather(nullptr, nullptr, ZORIntData(kInterpolation));
}
