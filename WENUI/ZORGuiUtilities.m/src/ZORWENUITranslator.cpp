#include "ZORWENUITranslator.h"

#include <cmath>
#include <memory>

#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DMarkerGP.h"
#include "ZORCleaner.h"
#include "ZORIParmAsStored.h"
#include "ZORIParmEvents.h"
#include "ZORMathGlobals.h"
#include "ZORStFixedArrowGP.h"
#include "ZORTrace.h"

namespace {

// The look of the handle: its colour, its line thicker than the default, arrows and marker.
constexpr unsigned int kColor = 241;
constexpr int kThicker = 2;
constexpr int kArrowLength = 8;
constexpr int kArrowHead = 5;
constexpr int kMarkerSymbol = 5;
constexpr int kTextAnchor = 8;

const ZORTrace& TranslatorTrace() {
  static const ZORTrace trace("WENTRANSLATOR", "Traces WEN Translator");
  return trace;
}

// Writes nothing, and builds no line, while the trace is off.
void Trace(const char* operation) {
  const ZORTrace& trace = TranslatorTrace();
  if (trace.IsActive()) trace.Print(std::string("ZORWENUITranslator::") + operation);
}

}  // namespace

ZORWENUITranslator::ZORWENUITranslator(ZORCommand* listener, int integerMode,
                                       const ZORICkeParm_var& parameter)
    : ZORCommand(nullptr, ZORString()),
      modify_(ZORMake<ZORWENUIModifNotification>()),
      endModify_(ZORMake<ZORWENUIEndManipulateNotification>()),
      edit_(ZORMake<ZORWENUIEditNotification>()),
      listener_(listener),
      integerMode_(integerMode),
      parameter_(parameter) {
  Trace("Constructeur ");
  if (ZORIParmEvents_var events(parameter_); events) {
    parameterSubscription_ =
        events->SubscribeToValueChange(this, &ZORWENUITranslator::LiteralValueChanged, nullptr);
  }
}

ZORWENUITranslator::~ZORWENUITranslator() {
  Trace("Destructeur");
  CleanArrows();
  if (manipulator_) {
    RemoveAnalyseNotificationCBs(manipulator_);
    manipulator_->Destroy();
  }
  if (ZORIParmEvents_var events(parameter_); events && parameterSubscription_) {
    events->UnsubscribeFromValueChange(this, parameterSubscription_);
  }
  // The notifications may still be travelling when their sender goes.
  ZORCleaner::DeleteOnTransactionEnd(modify_.Detach());
  ZORCleaner::DeleteOnTransactionEnd(endModify_.Detach());
  ZORCleaner::DeleteOnTransactionEnd(edit_.Detach());
}

void ZORWENUITranslator::RequestDelayedDestruction() {
  Trace("RequestDelayedDestruction");
  CleanArrows();
  if (manipulator_) RemoveAnalyseNotificationCBs(manipulator_);
  if (ZORIParmEvents_var events(parameter_); events && parameterSubscription_) {
    events->UnsubscribeFromValueChange(this, std::exchange(parameterSubscription_, 0));
  }
  ZORCommand::RequestDelayedDestruction();
}

void ZORWENUITranslator::CreateManipulator() {
  Trace("CreateManipulator");
  if (manipulator_) return;
  manipulator_ =
      new ZOR3DManipulator(this, "Translator", nullptr, ZOR3DManipulator::kLineTranslation);
  ZORWENUIHandleShow::Subscribe(
      this, manipulator_, &ZORWENUITranslator::TranslationNotif,
      {kManipulate, kContext, kPreactivate, kEndPreactivate, kEdit, kEndManipulate});
}

void ZORWENUITranslator::GetCurrent3DViewer() {
  Trace("GetCurrent3DViewer");
  show_.TakeCurrentISO();
}

// ---------------------------------------------------------------- placing

void ZORWENUITranslator::SetLocationPoint(const ZORMathPoint& point) {
  Trace("SetLocationPoint");
  initial_ = point;
  location_ = point;
  CreateManipulator();
  manipulator_->SetPosition(ZORMathAxis(frame_.ToEditor(point), ZORMathI, ZORMathJ, ZORMathK));
  Refresh();
  locationSet_ = 1;
}

void ZORWENUITranslator::SetLineDirection(const ZORMathDirection& direction) {
  Trace("SetLineDirection");
  direction_ = direction;
  CreateManipulator();
  manipulator_->SetTranslationDirection(
      frame_.ToEditor(static_cast<const ZORMathVector&>(direction_)).Normalized());
  Refresh();
  directionSet_ = 1;
}

double ZORWENUITranslator::ExactDistance() const {
  return (location_ - initial_).Dot(direction_);
}

double ZORWENUITranslator::GetDistance() {
  Trace("GetDistance");
  const double distance = ExactDistance();
  return integerMode_ == 1 ? std::floor(distance) : distance;
}

void ZORWENUITranslator::PlaceManipulator() {
  if (!manipulator_) return;
  const ZORMathAxis& axis = manipulator_->GetPosition();
  manipulator_->SetPosition(ZORMathAxis(frame_.ToEditor(location_), axis.GetFirstDirection(),
                                        axis.GetSecondDirection(), axis.GetThirdDirection()));
}

void ZORWENUITranslator::SetDistance(double distance) {
  Trace("SetDistance");
  location_ = location_ + distance * direction_;
  PlaceManipulator();
  Refresh();
}

void ZORWENUITranslator::SetAbsDistance(double distance) {
  Trace("SetAbsDistance");
  location_ = initial_ + distance * direction_;
  PlaceManipulator();
  Refresh();
}

ZORMathAxis ZORWENUITranslator::GetPosition() {
  Trace("GetPosition");
  const ZORMathAxis axis =
      manipulator_ ? frame_.ToModel(manipulator_->GetPosition()) : ZORMathAxis();
  return ZORWENUIEditorFrame::Clamped(axis, frame_.GetModelSize());
}

void ZORWENUITranslator::SetPosition(const ZORMathAxis& axis) {
  Trace("SetPosition");
  if (manipulator_) manipulator_->SetPosition(frame_.ToEditor(axis));
  location_ = axis.GetOrigin();
  Refresh();
}

// ---------------------------------------------------------------- text and drawing

void ZORWENUITranslator::AssociateText(const char* text) {
  Trace("AssociateText");
  text_ = text ? std::optional<std::string>(text) : std::nullopt;
}

// Taken by value: the signature commands are written against.
void ZORWENUITranslator::AssociateTextWithValue(
    const char* prefix, ZORICkeParm_var parameter) {  // NOLINT(performance-unnecessary-value-param)
  Trace("AssociateTextWithValue");
  if (!parameter) return;
  text_ = ZORWENUIHandleShow::TextWithValue(prefix, parameter.get());
  associated_ = ZORBaseUnknown_var(parameter.get());
}

void ZORWENUITranslator::CleanArrows() {
  Trace("CleanArrows");
  show_.Clean();
}

void ZORWENUITranslator::Refresh() {
  Trace("Refresh");
  const ZORGraphicAttributeSet attributes =
      ZORWENUIHandleShow::Attributes(preactivated_ != 0, kColor, kThicker);
  CleanArrows();
  const ZORMathPointf at(location_);
  const ZORMathVectorf along(direction_);
  auto drawing = ZORMake<ZOR3DCustomRep>();
  drawing->AddGP(std::make_unique<ZORStFixedArrowGP>(at, along, kArrowLength, kArrowHead),
                 attributes);
  drawing->AddGP(std::make_unique<ZORStFixedArrowGP>(at, ZORMathVectorf(-direction_), kArrowLength,
                                                     kArrowHead),
                 attributes);
  drawing->AddGP(std::make_unique<ZOR3DMarkerGP>(at, kMarkerSymbol), attributes);
  drawing->AddGP(std::make_unique<ZOR3DAnnotationTextGP>(at, text_.value_or(""), kTextAnchor),
                 attributes);
  show_.Show(drawing.get(), manipulator_);
}

// ---------------------------------------------------------------- events

void ZORWENUITranslator::UpdateParameter() {
  if (!parameter_) return;
  // A fixed parameter is never written by a drag.
  if (parameter_->GetAccess() == 1) return;
  SetPosition(GetPosition());
  if (ZORIParmAsStored_var stored(parameter_); stored) {
    stored->SetValueAsStored(GetDistance() * 1.0);
  }
}

void ZORWENUITranslator::TranslationNotif(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  Trace("TranslationNotif");
  switch (ZORDataInt(data)) {
    case kManipulate:
      SendNotification(listener_, modify_.get());
      UpdateParameter();
      break;
    case kContext:
      SendNotification(listener_, edit_.get());
      UpdateParameter();
      break;
    case kPreactivate:
      preactivated_ = 1;
      Refresh();
      break;
    case kEndPreactivate:
      preactivated_ = 0;
      Refresh();
      break;
    case kEdit:
      if (ZORWENUIHandleShow::OpenEdition(associated_)) break;
      SendNotification(listener_, edit_.get());
      UpdateParameter();
      break;
    case kEndManipulate:
      preactivated_ = 0;
      Refresh();
      SendNotification(listener_, endModify_.get());
      break;
    default:
      break;
  }
}

void ZORWENUITranslator::LiteralValueChanged(const char*, void*, ZORNotification*, void*, long) {
  Trace("LiteralValueChanged");
  ZORIParmAsStored_var stored(parameter_);
  if (!stored) return;
  // From the exact distance: the handle ends at the value, whatever the integer mode.
  SetDistance(stored->GetValueAsStored() - ExactDistance());
}

void ZORWENUITranslator::SetDistanceFromLitteral() {
  Trace("SetDistanceFromLitteral");
  if (!locationSet_ || !directionSet_) return;
  ZORIParmAsStored_var stored(parameter_);
  if (!stored) return;
  SetDistance(stored->GetValueAsStored());
}
