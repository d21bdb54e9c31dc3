#include "ZOR2DPrimitive.h"

#include "ZORString.h"

namespace {

std::string Xy(const ZOR2DPoint& p) {
  return ZORString::Format("%g,%g", p.x, p.y).str();
}

}  // namespace

std::string ZOR2DPrimitive::Describe() const {
  static const char* const kNames[] = {"polyline", "marker", "arrow", "text"};
  std::string line = kNames[static_cast<int>(kind)];
  line += "(";
  for (std::size_t i = 0; i < points.size(); ++i) line += (i ? " " : "") + Xy(points[i]);
  if (kind == Kind::kMarker || kind == Kind::kArrow) {
    line += ZORString::Format(" symbol=%d", symbol).str();
  }
  if (kind == Kind::kArrow) line += " dir=" + Xy(direction);
  if (kind == Kind::kText) line += " \"" + text + "\"";
  line += ")";
  if (color >= 0) line += ZORString::Format(" color=%d", color).str();
  return line;
}
