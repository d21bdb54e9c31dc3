#include "ZOR2DManipulator.h"

#include "ZORNavigation2DViewer.h"

ZOR2DManipulator::ZOR2DManipulator(ZORCommand* father, const ZORString& name,
                                   ZORNavigation2DViewer* viewer)
    : ZORManipulator(father, name) {
  if (viewer) viewer->Attach(this);
}

ZOR2DManipulator::~ZOR2DManipulator() = default;

bool ZOR2DManipulator::IsPickable() const {
  return ZORManipulator::IsPickable() && viewer_ && rep_;
}

bool ZOR2DManipulator::Drag(const ZOR2DPoint& target, int steps) {
  if (steps < 1 || IsManipulating()) return false;
  const ZOR2DPoint from = origin_;
  if (!BeginDrag()) return false;
  for (int step = 1; step <= steps && IsManipulating(); ++step) {
    const double ratio = static_cast<double>(step) / steps;
    origin_ = {from.x + ratio * (target.x - from.x), from.y + ratio * (target.y - from.y)};
    StepDrag();
  }
  EndDrag();
  return true;
}

void ZOR2DManipulator::OnDestructionRequested() {
  ZORVar<ZOR2DManipulator> alive(this);
  if (viewer_) viewer_->Detach(this);
}
