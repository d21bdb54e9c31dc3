#include "ZOR3DManipulator.h"

#include <algorithm>
#include <cmath>

#include "ZOR3DBagRep.h"
#include "ZORIndexedPointers.h"

namespace {

// The live 3D manipulators, oldest first, so that the pointer finds one through what it draws.
// Indexed, so that each one leaves without a search however many are live.
ZORIndexedPointers<ZOR3DManipulator>& Live() {
  static ZORIndexedPointers<ZOR3DManipulator> live;
  return live;
}

// `v` without its component along the unit vector `n`.
ZORMathVector Flatten(const ZORMathVector& v, const ZORMathVector& n) {
  return v - v.Dot(n) * n;
}

}  // namespace

ZOR3DManipulator::ZOR3DManipulator(ZORCommand* father, const ZORString& name, ZOR3DRep* rep,
                                   int style, int flag)
    : ZORManipulator(father, name), associated_(rep), style_(style), flag_(flag) {
  Live().Add(this);
}

ZOR3DManipulator::~ZOR3DManipulator() {
  Live().Remove(this);
}

void ZOR3DManipulator::AssociateToRep(ZOR3DRep* rep) {
  associated_ = rep;
}

void ZOR3DManipulator::AddRepToManipulate(ZOR3DRep* rep) {
  if (!rep || std::find(manipulated_.begin(), manipulated_.end(), ZOR3DRep_var(rep)) !=
                  manipulated_.end()) {
    return;
  }
  manipulated_.emplace_back(rep);
}

void ZOR3DManipulator::RemoveRepToManipulate(ZOR3DRep* rep) {
  std::erase_if(manipulated_, [rep](const ZOR3DRep_var& r) { return r.get() == rep; });
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
  for (ZOR3DManipulator* manipulator : Live().Items()) {
    if (!manipulator->IsDestructionRequested() && manipulator->IsGrabbedBy(rep)) {
      return manipulator;
    }
  }
  return nullptr;
}

std::unordered_map<const ZOR3DRep*, ZOR3DManipulator*> ZOR3DManipulator::GrabIndex() {
  std::unordered_map<const ZOR3DRep*, ZOR3DManipulator*> index;
  for (ZOR3DManipulator* manipulator : Live().Items()) {
    if (manipulator->IsDestructionRequested()) continue;
    // The oldest keeps a representation that grabs several.
    if (manipulator->associated_) index.emplace(manipulator->associated_.get(), manipulator);
    for (const ZOR3DRep_var& rep : manipulator->manipulated_) index.emplace(rep.get(), manipulator);
  }
  return index;
}

ZOR3DManipulator* ZOR3DManipulator::GrabbedBy(
    const ZOR3DRep& rep, const std::unordered_map<const ZOR3DRep*, ZOR3DManipulator*>& index) {
  if (auto it = index.find(&rep); it != index.end()) return it->second;
  const auto* bag = dynamic_cast<const ZOR3DBagRep*>(&rep);
  if (!bag) return nullptr;
  for (const ZOR3DRep_var& child : bag->GetChildren()) {
    if (ZOR3DManipulator* found = GrabbedBy(*child, index)) return found;
  }
  return nullptr;
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
