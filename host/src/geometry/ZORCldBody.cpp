#include "ZORCldBody.h"

#include "ZORBodyBuilder.h"

ZORVar<ZORCldBody> ZORCldBody::Make(const std::vector<ZORMathPoint>& points) {
  if (points.empty()) return nullptr;
  auto cloud = ZORMake<ZORCldBody>();
  ZORBodyBuilder builder(cloud);
  for (const ZORMathPoint& point : points) builder.AddVertex(point);
  return builder.Finish() ? cloud : nullptr;
}

std::string ZORCldBody::Describe() const {
  return "cloud(" + std::to_string(GetCellCount(0)) + " points)";
}
