#include "ZORGuiDiscontinuityLocation.h"

#include <memory>

#include "ZORCkeNumbersDisplay.h"
#include "ZORFrmEditor.h"
#include "ZORGraphicAttributeSet.h"
#include "ZORGuiFlagGP.h"
#include "ZORMathPointf.h"
#include "ZORMsgCatalog.h"

namespace {

constexpr const char* kCatalog = "ZORGuiDiscontinuityLocation";

// The flag primitive's text height, staff height and size, and its two forms.
constexpr int kTextHeight = 14;
constexpr int kStaffHeight = 3;
constexpr float kSize = 1.5F;
constexpr int kFlagForm = 0;
constexpr int kAnchorForm = 1;

// Status colours of the platform for a highlighted anchor and for an index out of the palette.
constexpr int kHighlightedColor = -5;
constexpr int kOutOfPaletteColor = -3;

// The manipulator's notification values: highlight, end of it, context (ignored).
constexpr std::intptr_t kHighlight = 1;
constexpr std::intptr_t kEndHighlight = 2;
constexpr std::intptr_t kContext = 3;

ZORGraphicAttributeSet AttributesIn(int color) {
  ZORGraphicAttributeSet attributes(0xfd040400U, 255U);
  attributes.SetColor(color >= 256 ? kOutOfPaletteColor : color);
  attributes.SetAttributeByte(3, (attributes.GetAttributeByte(3) & 0xf0) | 15);
  return attributes;
}

}  // namespace

ZORGuiDiscontinuityLocation::ZORGuiDiscontinuityLocation(ZORCommand* father, ZORMathPoint location,
                                                         unsigned char interactive)
    : ZORCommand(father, ZORString("ZORGuiDiscontinuityLocation")),
      location_(location),
      interactive_(interactive) {
  if (ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor()) iso_ = editor->GetISO();
  manipulator_ = new ZOR3DManipulator(this, ZORString("Warner"));
  Subscribe();
  DrawAnchor();
  if (!interactive_) DrawFlag();
}

ZORGuiDiscontinuityLocation::~ZORGuiDiscontinuityLocation() {
  CleanUp();
}

void ZORGuiDiscontinuityLocation::Subscribe() {
  const std::pair<ZORNotification*, std::intptr_t> subscriptions[] = {
      {manipulator_->GetZORPreactivate(), kHighlight},
      {manipulator_->GetZOREndPreactivate(), kEndHighlight},
      {manipulator_->GetZOREndActivate(), kEndHighlight},
      {manipulator_->GetZOREndManipulate(), kEndHighlight},
      {manipulator_->GetZOREndContext(), kEndHighlight},
      {manipulator_->GetZOREndPreDrop(), kEndHighlight},
      {manipulator_->GetZORContext(), kContext}};
  for (const auto& [notification, value] : subscriptions) {
    callbacks_.push_back(AddAnalyseNotificationCB(
        manipulator_, notification, &ZORGuiDiscontinuityLocation::Highlighted, ZORIntData(value)));
  }
}

void ZORGuiDiscontinuityLocation::Highlighted(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  const std::intptr_t value = ZORDataInt(data);
  if (value == kHighlight) {
    highlighted_ = true;
    DrawAnchor();
    DrawFlag();
  } else if (value == kEndHighlight) {
    highlighted_ = false;
    DrawAnchor();
    if (!interactive_) DrawFlag();
  }
}

void ZORGuiDiscontinuityLocation::CleanUp() {
  RemoveAnchor();
  RemoveFlag();
  for (ZORCallback callback : callbacks_) RemoveAnalyseNotificationCB(callback);
  callbacks_.clear();
  if (manipulator_) manipulator_->Destroy();
  manipulator_ = nullptr;
}

void ZORGuiDiscontinuityLocation::RequestDelayedDestruction() {
  CleanUp();
  ZORCommand::RequestDelayedDestruction();
}

// ---------------------------------------------------------------- data

void ZORGuiDiscontinuityLocation::SetLocationPoint(const ZORMathPoint& location) {
  if (location == location_) return;
  location_ = location;
  Redraw();
}

void ZORGuiDiscontinuityLocation::SetInputData(const int& type, const double& value) {
  if (type == inputType_ && value == inputValue_) return;
  inputType_ = type;
  inputValue_ = value;
  Redraw();
}

void ZORGuiDiscontinuityLocation::GetInputData(int& type, double& value) const {
  type = inputType_;
  value = inputValue_;
}

void ZORGuiDiscontinuityLocation::SetOutputData(const int& type, const double& value) {
  if (type == outputType_ && value == outputValue_) return;
  outputType_ = type;
  outputValue_ = value;
  Redraw();
}

void ZORGuiDiscontinuityLocation::GetOutputData(int& type, double& value) const {
  type = outputType_;
  value = outputValue_;
}

void ZORGuiDiscontinuityLocation::Show() {
  if (shown_) return;
  shown_ = true;
  Redraw();
}

void ZORGuiDiscontinuityLocation::Hide() {
  if (!shown_) return;
  shown_ = false;
  Redraw();
}

void ZORGuiDiscontinuityLocation::SetInteractivity(unsigned char interactive) {
  if (interactive == interactive_) return;
  interactive_ = interactive;
  Redraw();
}

void ZORGuiDiscontinuityLocation::SetColorInError(int color) {
  colorInError_ = color;
}

HRESULT ZORGuiDiscontinuityLocation::GetStatusColor(int& color) const {
  if (inputType_ == kUnknown || outputType_ == kUnknown) {
    color = colorInError_;
    return E_FAIL;
  }
  if (outputType_ == kCurvatureContinuity || outputType_ == kSuppressed) {
    color = 246;
  } else {
    color = outputType_ != inputType_ ? 244 : 247;
  }
  return S_OK;
}

// ---------------------------------------------------------------- texts

void ZORGuiDiscontinuityLocation::GetContinuityText(const int& type, const double& value,
                                                    ZORUnicodeString& text) const {
  std::vector<const char*> labels;
  ZORUnicodeString written;
  switch (type) {
    case kPointDiscontinuity:
      labels = {"PtDiscontinuityLabel"};
      written = ZORCkeNumbersDisplay::DoubleToString(value, ZORString("mm"),
                                                     ZORCkeNumbersDisplay::kTwoDecimalsMode);
      break;
    case kPointContinuity:
      labels = {"PtContinuityLabel", "TgDiscontinuityLabel"};
      written = ZORCkeNumbersDisplay::DoubleToString(value, ZORString("deg"),
                                                     ZORCkeNumbersDisplay::kTwoDecimalsMode);
      break;
    case kTangencyContinuity:
      labels = {"TgContinuityLabel", "CrvDiscontinuityLabel"};
      written = ZORUnicodeString::Format("%g", value);
      break;
    case kCurvatureContinuity:
      labels = {"CrvContinuityLabel"};
      break;
    case kSuppressed:
      labels = {"SuppressionLabel"};
      break;
    default:
      return;
  }
  ZORUnicodeString result(" ");
  for (std::size_t i = 0; i < labels.size(); ++i) {
    ZORUnicodeString label;
    GetNLSText(ZORUnicodeString(labels[i]), label);
    if (i > 0) result += ", ";
    result += label;
  }
  result += written.IsEmpty() || value == 0 ? ZORUnicodeString(" ") : " ( " + written + " ) ";
  text = result;
}

void ZORGuiDiscontinuityLocation::GetNLSText(const ZORUnicodeString& key,
                                             ZORUnicodeString& text) const {
  if (!ZORMsgCatalog::CatalogExists(ZORString(kCatalog))) return;
  text = ZORMsgCatalog::BuildMessage(ZORString(kCatalog), ZORString(key.str()), nullptr, 0, text);
}

// ---------------------------------------------------------------- drawing

void ZORGuiDiscontinuityLocation::Redraw() {
  DrawAnchor();
  // A highlighted anchor keeps its flag: redrawing the anchor took it away.
  if (!interactive_ || highlighted_) DrawFlag();
}

ZOR3DCustomRep_var ZORGuiDiscontinuityLocation::Drawn(
    int form, int color, const std::vector<ZORUnicodeString>& texts) const {
  auto primitive = std::make_unique<ZORGuiFlagGP>(ZORMathPointf(location_), kTextHeight,
                                                  kStaffHeight, form, kSize);
  if (!texts.empty()) {
    ZORListValZORUnicodeString lines;
    for (const ZORUnicodeString& line : texts) lines.Append(line);
    primitive->AssociateTexts(lines);
  }
  auto rep = ZORMake<ZOR3DCustomRep>();
  rep->AddGP(std::move(primitive), AttributesIn(color));
  return rep;
}

ZORVar<ZORSt3DISO> ZORGuiDiscontinuityLocation::Put(ZOR3DCustomRep* rep) {
  auto element = ZORMake<ZORSt3DISO>(rep);
  iso_->AddElement(element.get());
  return element;
}

void ZORGuiDiscontinuityLocation::Take(ZORVar<ZORSt3DISO>& element) {
  if (element && iso_) iso_->RemoveElement(element.get());
  element = nullptr;
}

void ZORGuiDiscontinuityLocation::DrawAnchor() {
  RemoveAnchor();
  RemoveFlag();
  if (!shown_ || !manipulator_ || !iso_) return;
  int color = 0;
  GetStatusColor(color);
  anchor_ = Drawn(kAnchorForm, highlighted_ ? kHighlightedColor : color, {});
  // Only an interactive anchor is picked: the flag then follows the cursor.
  manipulator_->AssociateToRep(interactive_ ? anchor_.get() : nullptr);
  anchorElement_ = Put(anchor_.get());
}

void ZORGuiDiscontinuityLocation::DrawFlag() {
  RemoveFlag();
  if (!shown_ || !manipulator_ || !iso_ || inputType_ == kUnknown) return;
  int color = 0;
  const bool bothKnown = SUCCEEDED(GetStatusColor(color));
  std::vector<ZORUnicodeString> texts;
  const auto line = [this](const char* key, int type, double value) {
    ZORUnicodeString label, continuity;
    GetNLSText(ZORUnicodeString(key), label);
    GetContinuityText(type, value, continuity);
    return label + continuity;
  };
  texts.push_back(line("InputLabel", inputType_, inputValue_));
  if (bothKnown) texts.push_back(line("OutputLabel", outputType_, outputValue_));
  flag_ = Drawn(kFlagForm, color, texts);
  manipulator_->AddRepToManipulate(flag_.get());
  flagElement_ = Put(flag_.get());
}

void ZORGuiDiscontinuityLocation::RemoveAnchor() {
  Take(anchorElement_);
  if (anchor_ && manipulator_) manipulator_->AssociateToRep(nullptr);
  anchor_ = nullptr;
}

void ZORGuiDiscontinuityLocation::RemoveFlag() {
  Take(flagElement_);
  if (flag_ && manipulator_) manipulator_->RemoveRepToManipulate(flag_.get());
  flag_ = nullptr;
}
