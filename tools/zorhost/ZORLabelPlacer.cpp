#include "ZORLabelPlacer.h"

#include <algorithm>
#include <cmath>

namespace {

// A character is about this wide, in font sizes (sans-serif, mixed case and digits).
constexpr double kCharWidth = 0.62;
constexpr int kRings = 12;

// Where a segment's parameter t in [0, 1] crosses the line x = c; none when it does not.
bool CrossesAt(double a1, double a2, double c, double& t) {
  if (a1 == a2) return false;
  t = (c - a1) / (a2 - a1);
  return t >= 0 && t <= 1;
}

}  // namespace

bool ZORLabelPlacer::Box::Intersects(const Box& other) const {
  return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

bool ZORLabelPlacer::Box::MeetsSegment(double x1, double y1, double x2, double y2) const {
  auto inside = [this](double x, double y) {
    return x >= left && x <= right && y >= top && y <= bottom;
  };
  if (inside(x1, y1) || inside(x2, y2)) return true;
  // Otherwise the segment meets the box only by crossing one of its sides.
  double t = 0;
  for (double x : {left, right}) {
    if (CrossesAt(x1, x2, x, t)) {
      const double y = y1 + t * (y2 - y1);
      if (y >= top && y <= bottom) return true;
    }
  }
  for (double y : {top, bottom}) {
    if (CrossesAt(y1, y2, y, t)) {
      const double x = x1 + t * (x2 - x1);
      if (x >= left && x <= right) return true;
    }
  }
  return false;
}

ZORLabelPlacer::ZORLabelPlacer(double width, double height, double fontSize)
    : width_(width), height_(height), fontSize_(fontSize) {}

void ZORLabelPlacer::KeepClear(double x1, double y1, double x2, double y2) {
  segments_.push_back({x1, y1, x2, y2});
}

void ZORLabelPlacer::KeepClear(const Box& box) {
  kept_.push_back(box);
}

ZORLabelPlacer::Box ZORLabelPlacer::BoxAt(double x, double y, const std::string& text) const {
  const double width = kCharWidth * fontSize_ * static_cast<double>(text.size());
  // The baseline is at y; descenders go a little below it.
  return {x, y - fontSize_, x + width, y + 0.25 * fontSize_};
}

bool ZORLabelPlacer::Free(const Box& box) const {
  if (box.left < 0 || box.top < 0 || box.right > width_ || box.bottom > height_) return false;
  const auto meets = [&box](const Box& other) { return box.Intersects(other); };
  if (std::any_of(placed_.begin(), placed_.end(), meets)) return false;
  if (std::any_of(kept_.begin(), kept_.end(), meets)) return false;
  return std::none_of(segments_.begin(), segments_.end(), [&box](const std::vector<double>& s) {
    return box.MeetsSegment(s[0], s[1], s[2], s[3]);
  });
}

std::pair<double, double> ZORLabelPlacer::Place(double x, double y, const std::string& text) {
  const Box probe = BoxAt(0, 0, text);
  const double w = probe.right - probe.left;
  // Right and above the anchor first, as a reader expects, then around it, ring after ring.
  const double step = 0.8 * fontSize_;
  for (int ring = 0; ring <= kRings; ++ring) {
    const double d = 5 + ring * step;
    const std::pair<double, double> candidates[] = {
        {x + d, y - d / 2},         {x + d, y + d + fontSize_},
        {x - d - w, y - d / 2},     {x - d - w, y + d + fontSize_},
        {x - w / 2, y - d},         {x - w / 2, y + d + fontSize_},
        {x + d, y + fontSize_ / 2}, {x - d - w, y + fontSize_ / 2}};
    for (const auto& [cx, cy] : candidates) {
      const Box box = BoxAt(cx, cy, text);
      if (!Free(box)) continue;
      placed_.push_back(box);
      return {cx, cy};
    }
  }
  const std::pair<double, double> nearest{x + 5, y - 2.5};
  placed_.push_back(BoxAt(nearest.first, nearest.second, text));
  return nearest;
}
