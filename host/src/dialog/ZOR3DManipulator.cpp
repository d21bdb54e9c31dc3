#include "ZOR3DManipulator.h"

#include <algorithm>
#include <cmath>

#include "ZOR3DBagRep.h"
#include "ZORBackLinks.h"

namespace {

// Each representation with the manipulators it grabs, so that the pointer finds a manipulator
// through what it draws without visiting every live one.
ZORBackLinks<ZOR3DRep, ZOR3DManipulator>& Grabbers() {
  static ZORBackLinks<ZOR3DRep, ZOR3DManipulator> grabbers;
  return grabbers;
}

// `v` without its component along the unit vector `n`.
ZORMathVector Flatten(const ZORMathVector& v, const ZORMathVector& n) {
  return v - v.Dot(n) * n;
}

}  // namespace

ZOR3DManipulator::ZOR3DManipulator(ZORCommand* father, const ZORString& name, ZOR3DRep* rep,
                                   int style, int flag)
    : ZORManipulator(father, name), associated_(rep), style_(style), flag_(flag) {
  Grabbers().Link(rep, this);
}

ZOR3DManipulator::~ZOR3DManipulator() {
  Grabbers().Unlink(associated_.get(), this);
  for (const ZOR3DRep_var& rep : manipulated_) Grabbers().Unlink(rep.get(), this);
}

void ZOR3DManipulator::AssociateToRep(ZOR3DRep* rep) {
  if (rep == associated_.get()) return;
  Grabbers().Unlink(associated_.get(), this);
  Grabbers().Link(rep, this);
  associated_ = rep;
}

void ZOR3DManipulator::AddRepToManipulate(ZOR3DRep* rep) {
  if (!rep || std::find(manipulated_.begin(), manipulated_.end(), ZOR3DRep_var(rep)) !=
                  manipulated_.end()) {
    return;
  }
  Grabbers().Link(rep, this);
  manipulated_.emplace_back(rep);
}

void ZOR3DManipulator::RemoveRepToManipulate(ZOR3DRep* rep) {
  auto it = std::find(manipulated_.begin(), manipulated_.end(), ZOR3DRep_var(rep));
  if (it == manipulated_.end()) return;
  Grabbers().Unlink(rep, this);
  manipulated_.erase(it);
}

bool ZOR3DManipulator::IsPickable() const {
  return ZORManipulator::IsPickable() && (associated_ || !manipulated_.empty());
}

bool ZOR3DManipulator::Grabs(const ZOR3DRep& rep) const {
  if (associated_.get() == &rep) return true;
  return std::any_of(manipulated_.begin(), manipulated_.end(),
                     [&rep](const ZOR3DRep_var& r) { return r.get() == &rep; });
}

bool ZOR3DManipulator::IsGrabbedBy(const ZOR3DRep& rep) const {
  if (Grabs(rep)) return true;
  const auto* bag = dynamic_cast<const ZOR3DBagRep*>(&rep);
  if (!bag) return false;
  return std::any_of(bag->GetChildren().begin(), bag->GetChildren().end(),
                     [this](const ZOR3DRep_var& child) { return IsGrabbedBy(*child); });
}

ZOR3DManipulator* ZOR3DManipulator::GrabbedBy(const ZOR3DRep& rep) {
  ZOR3DManipulator* oldest = nullptr;
  auto keepOlder = [&oldest](ZOR3DManipulator* candidate) {
    if (candidate && (!oldest || candidate->GetCreationRank() < oldest->GetCreationRank())) {
      oldest = candidate;
    }
  };
  for (ZOR3DManipulator* manipulator : Grabbers().HoldersOf(&rep)) {
    if (!manipulator->IsDestructionRequested()) keepOlder(manipulator);
  }
  if (const auto* bag = dynamic_cast<const ZOR3DBagRep*>(&rep)) {
    for (const ZOR3DRep_var& child : bag->GetChildren()) keepOlder(GrabbedBy(*child));
  }
  return oldest;
}

void ZOR3DManipulator::SetTranslationDirection(const ZORMathVector& direction) {
  if (direction.Norm() > 0.0) direction_ = direction.Normalized();
}

ZORMathTransformation ZOR3DManipulator::Constrain(const ZORMathPoint& pointer) const {
  const ZORMathPoint from = start_.GetOrigin();
  const ZORMathVector move = pointer - from;
  switch (style_) {
    case kLineTranslation:
      return ZORMathTransformation::Translation(move.Dot(direction_) * direction_);
    case kPlaneTranslation:
      return ZORMathTransformation::Translation(Flatten(move, plane_.GetNormal()));
    case kRotation: {
      const ZORMathVector k = axis_.GetDirection();
      ZORMathVector r = Flatten(from - axis_.GetOrigin(), k);
      // Grabbed on the axis itself: the angle is measured from the position's first direction.
      if (r.Norm() < 1e-12) r = Flatten(start_.GetFirstDirection(), k);
      const ZORMathVector q = Flatten(pointer - axis_.GetOrigin(), k);
      if (r.Norm() < 1e-12 || q.Norm() < 1e-12) return {};
      return ZORMathTransformation::Rotation(
          ZORMathLine(axis_.GetOrigin(), k),
          std::atan2(k.Dot(r.Cross(q)), r.Dot(q)) / ZORDegreeToRadian);
    }
    default:
      return ZORMathTransformation::Translation(move);
  }
}

bool ZOR3DManipulator::Drag(const ZORMathPoint& target, int steps) {
  if (steps < 1 || IsManipulating()) return false;
  start_ = position_;
  motion_ = {};
  if (!BeginDrag()) return false;
  const ZORMathPoint from = start_.GetOrigin();
  for (int step = 1; step <= steps && IsManipulating(); ++step) {
    const double ratio = static_cast<double>(step) / steps;
    motion_ = Constrain(from + ratio * (target - from));
    position_ = motion_.Apply(start_);
    StepDrag();
  }
  EndDrag();
  return true;
}
