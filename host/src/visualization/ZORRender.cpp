#include "ZORRender.h"

double ZORRender::GetMMPerModelRatio(const ZORMathPoint&) const {
  return viewport_.GetPixelsPerUnit() * kMillimetresPerPixel;
}

void ZORRender::DrawPolyline(std::vector<ZORMathPoint> points) {
  if (points.size() >= 2) items_.push_back({Item::Kind::kPolyline, std::move(points), {}});
}

void ZORRender::DrawPolygon(std::vector<ZORMathPoint> points) {
  if (points.size() >= 3) items_.push_back({Item::Kind::kPolygon, std::move(points), {}});
}

void ZORRender::DrawText(const ZORMathPoint& at, std::string text) {
  items_.push_back({Item::Kind::kText, {at}, std::move(text)});
}
