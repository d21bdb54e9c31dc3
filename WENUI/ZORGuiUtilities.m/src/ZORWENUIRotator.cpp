#include "ZORWENUIRotator.h"

#include <cmath>
#include <memory>

#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DArcCircleGP.h"
#include "ZOR3DFixedArrowGP.h"
#include "ZOR3DLineGP.h"
#include "ZOR3DMarkerGP.h"
#include "ZORCleaner.h"
#include "ZORMathGlobals.h"
#include "ZORStFixedArrowGP.h"

namespace {

constexpr unsigned int kColor = 241;
constexpr int kThicker = 2;
constexpr int kArrowLength = 8;
constexpr int kArrowHead = 5;
constexpr int kRadialLength = 15;
constexpr int kMarkerSymbol = 5;
constexpr int kTextAnchor = 8;
constexpr double kFullTurn = 360.0;
// Below this length a radius is taken as null: the point is on the axis.
constexpr double kOnAxis = 1e-12;

// In single precision, without negative zeros.
ZORMathVectorf Single(const ZORMathVector& v) {
  return ZORMathVectorf(ZORMathVector(v.GetX() + 0.0, v.GetY() + 0.0, v.GetZ() + 0.0));
}

}  // namespace

ZORWENUIRotator::ZORWENUIRotator(ZORCommand* listener, int integerMode)
    : ZORCommand(nullptr, ZORString()),
      modify_(ZORMake<ZORWENUIModifNotification>()),
      endManipulate_(ZORMake<ZORWENUIEndManipulateNotification>()),
      edit_(ZORMake<ZORWENUIEditNotification>()),
      frame_(kModelBound),
      listener_(listener),
      integerMode_(integerMode) {}

ZORWENUIRotator::~ZORWENUIRotator() {
  CleanArrows();
  if (manipulator_) {
    RemoveAnalyseNotificationCBs(manipulator_);
    manipulator_->Destroy();
  }
  ZORCleaner::DeleteOnTransactionEnd(modify_.Detach());
  ZORCleaner::DeleteOnTransactionEnd(endManipulate_.Detach());
  ZORCleaner::DeleteOnTransactionEnd(edit_.Detach());
}

void ZORWENUIRotator::RequestDelayedDestruction() {
  CleanArrows();
  if (manipulator_) RemoveAnalyseNotificationCBs(manipulator_);
  ZORCommand::RequestDelayedDestruction();
}

void ZORWENUIRotator::CreateManipulator() {
  if (manipulator_) return;
  manipulator_ = new ZOR3DManipulator(this, "Rotator", nullptr, ZOR3DManipulator::kRotation);
  ZORWENUIHandleShow::Subscribe(
      this, manipulator_, &ZORWENUIRotator::AnalyseRotatorNotif,
      {kManipulate, kContext, kPreactivate, kEndPreactivate, kEdit, kEndManipulate});
}

// ---------------------------------------------------------------- placing

void ZORWENUIRotator::SetLocationPoint(const ZORMathPoint& point) {
  initial_ = frame_.ToEditor(point);
  current_ = initial_;
  CreateManipulator();
  manipulator_->SetPosition(ZORMathAxis(current_, ZORMathI, ZORMathJ, ZORMathK));
  Refresh();
}

void ZORWENUIRotator::SetLineDirection(const ZORMathLine& axis) {
  const ZORMathLine inEditor = frame_.ToEditor(axis);
  if (inEditor.GetDirection().Norm() < kOnAxis) return;
  axis_ = ZORMathLine(inEditor.GetOrigin(), inEditor.GetDirection().Normalized());
  CreateManipulator();
  manipulator_->SetRotationAxis(axis_);
  Refresh();
}

double ZORWENUIRotator::GetAngle() {
  const ZORMathPoint foot = axis_.Project(current_);
  const ZORMathVector a = initial_ - foot;
  const ZORMathVector b = current_ - foot;
  if (a.Norm() < kOnAxis || b.Norm() < kOnAxis) return 0.0;
  double angle = a.AngleTo(b);
  // Right-handed about the axis direction, from the initial point to the current one.
  if (b.Cross(a).Dot(axis_.GetDirection()) >= 0.0) angle = kFullTurn - angle;
  angle = std::fmod(angle, kFullTurn);
  return integerMode_ == 1 ? std::floor(angle) : angle;
}

void ZORWENUIRotator::PlaceManipulator() {
  if (!manipulator_) return;
  const ZORMathAxis& axis = manipulator_->GetPosition();
  manipulator_->SetPosition(ZORMathAxis(current_, axis.GetFirstDirection(),
                                        axis.GetSecondDirection(), axis.GetThirdDirection()));
}

void ZORWENUIRotator::SetAngle(const double degrees) {
  current_ = ZORMathTransformation::Rotation(axis_, degrees).Apply(current_);
  PlaceManipulator();
  Refresh();
}

void ZORWENUIRotator::SetAbsAngle(const double degrees) {
  current_ = ZORMathTransformation::Rotation(axis_, degrees).Apply(initial_);
  PlaceManipulator();
  Refresh();
}

ZORMathAxis ZORWENUIRotator::GetPosition() {
  const ZORMathAxis axis = manipulator_ ? manipulator_->GetPosition() : ZORMathAxis();
  return frame_.ToModel(ZORWENUIEditorFrame::Clamped(axis, frame_.GetModelSize()));
}

void ZORWENUIRotator::SetPosition(const ZORMathAxis& axis) {
  const ZORMathAxis inEditor = frame_.ToEditor(axis);
  if (manipulator_) manipulator_->SetPosition(inEditor);
  current_ = inEditor.GetOrigin();
  Refresh();
}

// ---------------------------------------------------------------- modes and text

void ZORWENUIRotator::SetModeVisu(int mode) {
  if (mode < kArrows || mode > kArcAndStart) return;
  modeVisu_ = mode;
  Refresh();
}

void ZORWENUIRotator::Freeze() {
  frozen_ = 1;
  Refresh();
}

void ZORWENUIRotator::Unfreeze() {
  frozen_ = 0;
  Refresh();
}

void ZORWENUIRotator::AssociateText(const char* text) {
  text_ = text ? std::optional<std::string>(text) : std::nullopt;
}

// Taken by value: the signature commands are written against.
void ZORWENUIRotator::AssociateTextWithValue(
    const char* prefix, ZORICkeParm_var parameter) {  // NOLINT(performance-unnecessary-value-param)
  if (!parameter) return;
  text_ = ZORWENUIHandleShow::TextWithValue(prefix, parameter.get());
  associated_ = ZORBaseUnknown_var(parameter.get());
}

// ---------------------------------------------------------------- drawing

void ZORWENUIRotator::CleanArrows() {
  show_.Clean();
}

void ZORWENUIRotator::Refresh() {
  const ZORGraphicAttributeSet attributes =
      ZORWENUIHandleShow::Attributes(preactivated_ != 0, kColor, kThicker);
  CleanArrows();
  const ZORMathPoint current = frame_.ToModel(current_);
  const ZORMathPoint initial = frame_.ToModel(initial_);
  const ZORMathLine axis = frame_.ToModel(axis_);
  const ZORMathVector k = axis.GetDirection().Normalized();
  const ZORMathPoint foot = axis.GetOrigin() + (current - axis.GetOrigin()).Dot(k) * k;
  auto drawing = ZORMake<ZOR3DCustomRep>();
  if (modeVisu_ == kRadialOut || modeVisu_ == kRadialIn) {
    DrawRadial(*drawing, attributes, current, foot);
  } else {
    DrawArrows(*drawing, attributes, current, foot, k);
  }
  if (modeVisu_ == kArc || modeVisu_ == kArcAndStart) {
    const ZORMathPoint initialFoot = axis.GetOrigin() + (initial - axis.GetOrigin()).Dot(k) * k;
    const ZORMathVector start = initial - initialFoot;
    if (start.Norm() >= kOnAxis) {
      const float radius = static_cast<float>(start.Norm());
      drawing->AddGP(std::make_unique<ZOR3DArcCircleGP>(
                         ZORMathPointf(initialFoot), Single(k), Single(start.Normalized()), radius,
                         0.0f, static_cast<float>(GetAngle() * ZORDegreeToRadian)),
                     attributes);
      drawing->SetBoundingElement({ZORMathPointf(current), radius});
    }
    if (modeVisu_ == kArcAndStart) {
      drawing->AddGP(
          std::make_unique<ZOR3DLineGP>(ZORMathPointf(initialFoot), ZORMathPointf(initial)),
          attributes);
    }
  }
  show_.Show(drawing.get(), frozen_ ? nullptr : manipulator_);
}

void ZORWENUIRotator::DrawArrows(ZOR3DCustomRep& drawing, const ZORGraphicAttributeSet& attributes,
                                 const ZORMathPoint& current, const ZORMathPoint& foot,
                                 const ZORMathVector& axis) const {
  const ZORMathPointf at(current);
  const ZORMathVector radius = current - foot;
  // Along the turn at the current point; any direction across the axis when it is on it.
  ZORMathVector tangent = axis.Cross(radius);
  if (tangent.Norm() < kOnAxis)
    tangent = axis.Cross(ZORMathI).Norm() < kOnAxis ? axis.Cross(ZORMathJ) : axis.Cross(ZORMathI);
  tangent = tangent.Normalized();
  drawing.AddGP(std::make_unique<ZORStFixedArrowGP>(at, Single(tangent), kArrowLength, kArrowHead),
                attributes);
  drawing.AddGP(std::make_unique<ZORStFixedArrowGP>(at, Single(-tangent), kArrowLength, kArrowHead),
                attributes);
  drawing.AddGP(std::make_unique<ZOR3DMarkerGP>(at, kMarkerSymbol), attributes);
  drawing.AddGP(std::make_unique<ZOR3DAnnotationTextGP>(at, text_.value_or(""), kTextAnchor),
                attributes);
  drawing.AddGP(std::make_unique<ZOR3DLineGP>(ZORMathPointf(foot), at), attributes);
}

void ZORWENUIRotator::DrawRadial(ZOR3DCustomRep& drawing, const ZORGraphicAttributeSet& attributes,
                                 const ZORMathPoint& current, const ZORMathPoint& foot) const {
  ZORMathVector out = (current - foot).Normalized();
  if (modeVisu_ == kRadialIn) out = -out;
  auto arrow = std::make_unique<ZOR3DFixedArrowGP>(ZORMathPointf(current), Single(out),
                                                   kRadialLength, kArrowHead);
  arrow->AssociateText(ZORUnicodeString(text_.value_or("")));
  drawing.AddGP(std::move(arrow), attributes);
}

// ---------------------------------------------------------------- events

void ZORWENUIRotator::AnalyseRotatorNotif(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  switch (ZORDataInt(data)) {
    case kManipulate:
      SendNotification(listener_, modify_.get());
      break;
    case kContext:
      SendNotification(listener_, edit_.get());
      break;
    case kPreactivate:
    case kEndPreactivate:
      preactivated_ = ZORDataInt(data) == kPreactivate ? 1 : 0;
      Refresh();
      break;
    case kEdit:
      if (!ZORWENUIHandleShow::OpenEdition(associated_)) SendNotification(listener_, edit_.get());
      break;
    case kEndManipulate:
      preactivated_ = 0;
      Refresh();
      SendNotification(listener_, endManipulate_.get());
      break;
    default:
      break;
  }
}
