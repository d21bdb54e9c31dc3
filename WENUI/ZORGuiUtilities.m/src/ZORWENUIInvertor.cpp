#include "ZORWENUIInvertor.h"

#include <cmath>

#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DArcCircleGP.h"
#include "ZOR3DFixedArrowGP.h"
#include "ZORCleaner.h"
#include "ZORFrmEditor.h"
#include "ZORMathGlobals.h"
#include "ZORWENUIConvertRep.h"

namespace {

// Palette indexes: the highlight of an arrow under the pointer, and what stands for colours
// outside the palette.
constexpr int kPreactivatedColor = 251;
constexpr int kOutOfPaletteColor = 253;
constexpr unsigned int kPaletteSize = 256;
constexpr int kMaxPriority = 56;
constexpr int kTextAnchor = 8;
// The straight arrow's length and head, the circular arrow's head, in pixels.
constexpr int kStraightLength = 15;
constexpr int kStraightHead = 5;
constexpr int kCircularHead = 5;
// The circular arrow: radius and sweep (three quarters of a turn).
constexpr double kArcRadius = 5.0;
constexpr double kArcSweep = 4.712389;
// Below this sine the direction is taken as parallel to J.
constexpr double kParallelTolerance = 1e-9;

ZORMathPointf Single(const ZORMathPoint& p) {
  return ZORMathPointf(p);
}
ZORMathVectorf Single(const ZORMathVector& v) {
  return ZORMathVectorf(v);
}

}  // namespace

ZORWENUIInvertor::ZORWENUIInvertor(ZORCommand* listener, const ZORMathPoint& position,
                                   const ZORMathDirection& direction, const int visuMode)
    : ZORCommand(nullptr, ZORString()),
      position_(position),
      direction_(direction),
      listener_(listener),
      modify_(ZORMake<ZORWENUIModifNotification>()),
      visuMode_(visuMode) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!editor) return;
  const ZORInPlace3DSite* site = editor->GetInPlaceSite();
  siteTransformation_ = std::make_unique<ZORMathTransformation>(site ? site->GetTransformation()
                                                                     : ZORMathTransformation());
  // Drawn in the site's coordinates when the view shows the site through its transformation.
  if (!siteTransformation_->IsIdentity() && editor->GetTransformation().IsIdentity()) {
    if (auto inverse = siteTransformation_->Inverse()) {
      siteInverse_ = std::make_unique<ZORMathTransformation>(*inverse);
      transformed_ = 1;
    }
  }
  iso_ = editor->GetISO();
  CreateRep();
  handle_ = ZORMake<ZOR3DVisuHandle>(this, ZORString("handle"), bag_.get());
  if (iso_) iso_->AddElement(handle_.get());
  callbacks_[0] = AddAnalyseNotificationCB(handle_.get(), handle_->GetActivateNotification(),
                                           &ZORWENUIInvertor::InvertNotif, ZORIntData(kActivate));
  callbacks_[1] =
      AddAnalyseNotificationCB(handle_.get(), handle_->GetPreactivateNotification(),
                               &ZORWENUIInvertor::InvertNotif, ZORIntData(kPreactivate));
  callbacks_[2] =
      AddAnalyseNotificationCB(handle_.get(), handle_->GetEndPreactivateNotification(),
                               &ZORWENUIInvertor::InvertNotif, ZORIntData(kEndPreactivate));
}

ZORWENUIInvertor::~ZORWENUIInvertor() {
  Destroy();
  // The notification may still be travelling when its sender goes.
  if (modify_) ZORCleaner::DeleteOnTransactionEnd(modify_.Detach());
}

void ZORWENUIInvertor::Destroy() {
  bag_ = nullptr;
  drawing_ = nullptr;
  for (ZORCallback& callback : callbacks_) {
    if (callback) RemoveAnalyseNotificationCB(std::exchange(callback, 0));
  }
  if (handle_) {
    if (iso_) iso_->RemoveElement(handle_.get());
    handle_->SetFather(nullptr);
    handle_.Detach()->RequestDelayedDestruction();
  }
  iso_ = nullptr;
}

void ZORWENUIInvertor::RequestDelayedDestruction() {
  Destroy();
  ZORCommand::RequestDelayedDestruction();
}

// ---------------------------------------------------------------- settings

void ZORWENUIInvertor::SetPosition(const ZORMathPoint& position) {
  position_ = position;
  CreateRep();
}

void ZORWENUIInvertor::SetDirection(const ZORMathDirection& direction) {
  direction_ = direction;
  CreateRep();
}

void ZORWENUIInvertor::SetColor(const unsigned int color) {
  color_ = color;
  CreateRep();
}

void ZORWENUIInvertor::SetThickness(const unsigned int thickness) {
  thickness_ = thickness;
  CreateRep();
}

void ZORWENUIInvertor::SetNoPick(const unsigned int noPick) {
  noPick_ = noPick;
  CreateRep();
}

void ZORWENUIInvertor::SetNoShow(const unsigned int noShow) {
  noShow_ = noShow;
  CreateRep();
}

void ZORWENUIInvertor::SetPriority(const int priority) {
  priority_ = priority;
  CreateRep();
}

void ZORWENUIInvertor::SetVisuMode(const int visuMode) {
  visuMode_ = visuMode;
  CreateRep();
}

void ZORWENUIInvertor::AssociateText(const char* text) {
  text_ = text ? std::optional<std::string>(text) : std::nullopt;
}

// ---------------------------------------------------------------- drawing

ZORGraphicAttributeSet ZORWENUIInvertor::Attributes() const {
  ZORGraphicAttributeSet attributes;
  if (preactivated_) {
    attributes.SetColor(kPreactivatedColor);
  } else {
    attributes.SetColor(color_ >= kPaletteSize ? kOutOfPaletteColor : static_cast<int>(color_));
  }
  attributes.SetPriority(priority_ < kMaxPriority ? priority_ : 1);
  attributes.SetHiddenSpace(noShow_ != 0);
  attributes.SetThickness(static_cast<int>(thickness_));
  return attributes;
}

void ZORWENUIInvertor::CreateRep() {
  if (drawing_) {
    drawing_->Empty();
  } else {
    drawing_ = ZORMake<ZOR3DCustomRep>();
  }
  ZORMathPoint position = position_;
  ZORMathDirection direction = direction_;
  if (transformed_ && siteInverse_) {
    position = siteInverse_->Apply(position_);
    direction =
        ZORMathDirection(siteInverse_->Apply(static_cast<const ZORMathVector&>(direction_)));
  }
  if (visuMode_ == kCircular) {
    DrawCircular(position, direction);
  } else {
    DrawStraight(position, direction);
  }
  if (!bag_) {
    bag_ = ZORMake<ZOR3DBagRep>();
    bag_->AddChild(drawing_.get());
  }
  bag_->SetNoPick(noPick_ != 0);
  ZORWENUIConvertRep(bag_.get());
  if (handle_ && iso_) iso_->UpdateElement(handle_.get());
}

void ZORWENUIInvertor::DrawStraight(const ZORMathPoint& position,
                                    const ZORMathDirection& direction) {
  drawing_->AddGP(std::make_unique<ZOR3DFixedArrowGP>(Single(position), Single(direction),
                                                      kStraightLength, kStraightHead),
                  Attributes());
  DrawText(position);
}

void ZORWENUIInvertor::DrawCircular(const ZORMathPoint& position,
                                    const ZORMathDirection& direction) {
  // The arc turns in the plane normal to the direction, from a vector of that plane.
  ZORMathVector reference = direction.Cross(ZORMathJ);
  if (reference.Norm() < kParallelTolerance) reference = direction.Cross(ZORMathI);
  const ZORMathDirection u(reference);
  const ZORMathVector w = direction.Cross(u);
  const ZORMathVector arcEnd = std::cos(kArcSweep) * u + std::sin(kArcSweep) * w;
  drawing_->AddGP(std::make_unique<ZOR3DArcCircleGP>(Single(position), Single(direction), Single(u),
                                                     static_cast<float>(kArcRadius), 0.0f,
                                                     static_cast<float>(kArcSweep)),
                  Attributes());
  // The head sits at the arc's end, where the arc runs along u.
  const ZORMathPoint head = position + kArcRadius * arcEnd;
  drawing_->AddGP(
      std::make_unique<ZOR3DFixedArrowGP>(Single(head), Single(u), kCircularHead, kCircularHead),
      Attributes());
  DrawText(head);
}

void ZORWENUIInvertor::DrawText(const ZORMathPoint& at) {
  if (!text_) return;
  drawing_->AddGP(std::make_unique<ZOR3DAnnotationTextGP>(Single(at), *text_, kTextAnchor),
                  Attributes());
}

// ---------------------------------------------------------------- clicks

void ZORWENUIInvertor::InvertNotif(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  switch (ZORDataInt(data)) {
    case kActivate:
      direction_ = -direction_;
      preactivated_ = 0;
      CreateRep();
      if (listener_) SendNotification(listener_, modify_.get());
      break;
    case kPreactivate:
      preactivated_ = 1;
      CreateRep();
      break;
    case kEndPreactivate:
      preactivated_ = 0;
      CreateRep();
      break;
    default:
      break;
  }
}
