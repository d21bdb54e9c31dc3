#include "ZORNavigation2DViewer.h"

#include <algorithm>

#include "ZOR2DManipulator.h"
#include "ZORString.h"

ZORNavigation2DViewer::ZORNavigation2DViewer(ZORDialog* parent, const ZORString& name, int width,
                                             int height)
    : ZORDialog(parent, name), width_(width), height_(height) {}

ZORNavigation2DViewer::~ZORNavigation2DViewer() {
  for (const ZORVar<ZOR2DManipulator>& m : manipulators_) m->viewer_ = nullptr;
}

void ZORNavigation2DViewer::SetGraphicSize(int width, int height) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
}

bool ZORNavigation2DViewer::AddRep(ZOR2DBagRep* rep) {
  if (!rep || std::find(reps_.begin(), reps_.end(), ZOR2DBagRep_var(rep)) != reps_.end()) {
    return false;
  }
  reps_.emplace_back(rep);
  return true;
}

bool ZORNavigation2DViewer::RemoveRep(ZOR2DBagRep* rep) {
  ZOR2DBagRep_var keep(rep);  // released last
  return std::erase_if(reps_, [rep](const ZOR2DBagRep_var& r) { return r.get() == rep; }) > 0;
}

void ZORNavigation2DViewer::Attach(ZOR2DManipulator* manipulator) {
  manipulator->viewer_ = this;
  manipulators_.emplace_back(manipulator);
}

void ZORNavigation2DViewer::Detach(ZOR2DManipulator* manipulator) {
  manipulator->viewer_ = nullptr;
  std::erase_if(manipulators_, [manipulator](const ZORVar<ZOR2DManipulator>& m) {
    return m.get() == manipulator;
  });
}

std::optional<ZOR2DBox> ZORNavigation2DViewer::GetBoundingBox() const {
  std::optional<ZOR2DBox> box;
  auto include = [&box](const ZOR2DBagRep* rep) {
    if (!rep) return;
    if (auto more = rep->GetBoundingBox()) box = box ? box->United(*more) : *more;
  };
  for (const ZOR2DBagRep_var& rep : reps_) include(rep.get());
  for (const ZORVar<ZOR2DManipulator>& m : manipulators_) include(m->GetRep());
  return box;
}

bool ZORNavigation2DViewer::SetVisibleBox(const ZOR2DBox& box) {
  if (!(box.min.x < box.max.x) || !(box.min.y < box.max.y)) return false;
  visible_ = box;
  return true;
}

ZOR2DBox ZORNavigation2DViewer::GetVisibleBox() const {
  if (visible_) return *visible_;
  const std::optional<ZOR2DBox> box = GetBoundingBox();
  if (box && box->min.x < box->max.x && box->min.y < box->max.y) return *box;
  return {{0.0, 0.0}, {10.0, 10.0}};
}

std::vector<std::string> ZORNavigation2DViewer::Describe() const {
  const ZOR2DBox box = GetVisibleBox();
  std::vector<std::string> lines{
      ZORString::Format("box=%g,%g %g,%g", box.min.x, box.min.y, box.max.x, box.max.y).str()};
  for (const ZOR2DBagRep_var& rep : reps_) lines.push_back(rep->Describe());
  for (const ZORVar<ZOR2DManipulator>& m : manipulators_) {
    std::string line = "manipulator " + m->GetName().str();
    if (!m->IsPickable()) line += " nopick";
    if (m->IsPreactivated()) line += " over";
    lines.push_back(line + " " + (m->GetRep() ? m->GetRep()->Describe() : "(none)"));
  }
  return lines;
}
