#include "ZORWENUIPlaneTranslator.h"

#include <memory>

#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DFixedArrowGP.h"
#include "ZOR3DFixedPlanGP.h"
#include "ZOR3DMarkerGP.h"
#include "ZORCleaner.h"
#include "ZORMathGlobals.h"

namespace {

// The marker and plane symbol, the arrow, the text; all highlighted while preactivated.
constexpr unsigned int kSymbolColor = 246;
constexpr unsigned int kArrowColor = 246;
constexpr unsigned int kTextColor = 247;
constexpr int kMarkerSymbol = 3;
constexpr int kArrowLength = 15;
constexpr int kArrowHead = 5;
constexpr float kPlaneSize = 15.0f;
constexpr int kTextAnchor = 0;
// In plane mode the text clears the plane symbol.
constexpr const char* kPlaneTextIndent = "      ";
constexpr double kParallel = 1e-12;

}  // namespace

ZORWENUIPlaneTranslator::ZORWENUIPlaneTranslator(ZORCommand* listener)
    : ZORCommand(nullptr, ZORString()),
      modify_(ZORMake<ZORWENUIModifNotification>()),
      edit_(ZORMake<ZORWENUIEditNotification>()),
      endManipulate_(ZORMake<ZORWENUIEndManipulateNotification>()),
      listener_(listener) {}

ZORWENUIPlaneTranslator::~ZORWENUIPlaneTranslator() {
  CleanRep();
  if (manipulator_) {
    RemoveAnalyseNotificationCBs(manipulator_);
    manipulator_->Destroy();
  }
  ZORCleaner::DeleteOnTransactionEnd(modify_.Detach());
  ZORCleaner::DeleteOnTransactionEnd(edit_.Detach());
  ZORCleaner::DeleteOnTransactionEnd(endManipulate_.Detach());
}

void ZORWENUIPlaneTranslator::RequestDelayedDestruction() {
  CleanRep();
  if (manipulator_) RemoveAnalyseNotificationCBs(manipulator_);
  ZORCommand::RequestDelayedDestruction();
}

void ZORWENUIPlaneTranslator::CreateManipulator() {
  if (manipulator_) return;
  manipulator_ =
      new ZOR3DManipulator(this, "PlaneTranslator", nullptr, ZOR3DManipulator::kPlaneTranslation);
  // An edition and a contextual request are one event for the listener.
  ZORWENUIHandleShow::Subscribe(
      this, manipulator_, &ZORWENUIPlaneTranslator::TranslationNotif,
      {kManipulate, kEdit, kPreactivate, kEndPreactivate, kEdit, kEndManipulate});
}

// ---------------------------------------------------------------- placing

void ZORWENUIPlaneTranslator::SetInitialPoint(const ZORMathPoint& point) {
  initial_ = point;
  SetLocationPoint(point);
}

void ZORWENUIPlaneTranslator::SetLocationPoint(const ZORMathPoint& point) {
  current_ = point;
  CreateManipulator();
  manipulator_->SetPosition(ZORMathAxis(frame_.ToEditor(point), ZORMathI, ZORMathJ, ZORMathK));
  Refresh();
}

void ZORWENUIPlaneTranslator::SetTranslationPlane(const ZORMathPlane& plane) {
  if (plane.GetNormal().Norm() < kParallel) return;
  plane_ = plane;
  CreateManipulator();
  manipulator_->SetTranslationPlane(frame_.ToEditor(plane_));
  Refresh();
}

void ZORWENUIPlaneTranslator::GetTranslationVector(ZORMathVector& vector) const {
  vector = current_ - initial_;
}

void ZORWENUIPlaneTranslator::SetTranslationVector(const ZORMathVector& vector) {
  SetLocationPoint(initial_ + vector);
}

ZORMathAxis ZORWENUIPlaneTranslator::GetPosition() {
  const ZORMathAxis axis = manipulator_ ? manipulator_->GetPosition() : ZORMathAxis();
  return ZORWENUIEditorFrame::Clamped(axis, frame_.GetModelSize());
}

ZORMathAxis ZORWENUIPlaneTranslator::GetLocalPosition() {
  return frame_.ToModel(GetPosition());
}

void ZORWENUIPlaneTranslator::SetPosition(const ZORMathAxis& axis) {
  if (manipulator_) manipulator_->SetPosition(axis);
  // The manipulator's frame is the editor's: the current point is kept in the model's.
  current_ = frame_.ToModel(axis.GetOrigin());
  Refresh();
}

// ---------------------------------------------------------------- modes and text

void ZORWENUIPlaneTranslator::SetModeVisu(int mode) {
  if (mode < kMarker || mode > kPlane) return;
  modeVisu_ = mode;
  Refresh();
}

void ZORWENUIPlaneTranslator::Freeze() {
  frozen_ = 1;
  Refresh();
}

void ZORWENUIPlaneTranslator::Unfreeze() {
  frozen_ = 0;
  Refresh();
}

void ZORWENUIPlaneTranslator::AssociateText(const char* text) {
  if (!text) {
    text_.reset();
    return;
  }
  text_ = modeVisu_ == kPlane ? kPlaneTextIndent + std::string(text) : std::string(text);
}

// ---------------------------------------------------------------- drawing

void ZORWENUIPlaneTranslator::CleanRep() {
  show_.Clean();
}

void ZORWENUIPlaneTranslator::Refresh() {
  const bool over = preactivated_ != 0;
  const ZORGraphicAttributeSet symbol = ZORWENUIHandleShow::Attributes(over, kSymbolColor, 0);
  const ZORGraphicAttributeSet arrow = ZORWENUIHandleShow::Attributes(over, kArrowColor, 0);
  const ZORGraphicAttributeSet text = ZORWENUIHandleShow::Attributes(over, kTextColor, 0);
  CleanRep();
  const ZORMathPointf at(current_);
  auto drawing = ZORMake<ZOR3DCustomRep>();
  if (modeVisu_ == kMarker || modeVisu_ == kMarkerAndNormal) {
    drawing->AddGP(std::make_unique<ZOR3DMarkerGP>(at, kMarkerSymbol), symbol);
  }
  if (modeVisu_ == kNormal || modeVisu_ == kMarkerAndNormal) {
    drawing->AddGP(
        std::make_unique<ZOR3DFixedArrowGP>(at, ZORMathVectorf(plane_.GetNormal().Normalized()),
                                            kArrowLength, kArrowHead),
        arrow);
  }
  if (modeVisu_ == kPlane) {
    drawing->AddGP(std::make_unique<ZOR3DFixedPlanGP>(
                       at, ZORMathVectorf(plane_.GetFirstDirection().Normalized()),
                       ZORMathVectorf(plane_.GetSecondDirection().Normalized()), kPlaneSize),
                   symbol);
  }
  drawing->AddGP(std::make_unique<ZOR3DAnnotationTextGP>(at, text_.value_or(""), kTextAnchor),
                 text);
  show_.Show(drawing.get(), frozen_ ? nullptr : manipulator_);
}

// ---------------------------------------------------------------- events

void ZORWENUIPlaneTranslator::TranslationNotif(ZORCommand*, ZORNotification*,
                                               ZORCallbackData data) {
  switch (ZORDataInt(data)) {
    case kManipulate:
      SendNotification(listener_, modify_.get());
      break;
    case kEdit:
      SendNotification(listener_, edit_.get());
      break;
    case kPreactivate:
    case kEndPreactivate:
      preactivated_ = ZORDataInt(data) == kPreactivate ? 1 : 0;
      Refresh();
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
