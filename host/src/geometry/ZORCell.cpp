#include "ZORCell.h"

#include <algorithm>

#include "ZORGeometryText.h"

ZORCell::ZORCell(int dimension, ZORBaseUnknown_var geometry, int number)
    : dimension_(dimension),
      number_(number),
      geometry_(std::move(geometry)),
      // The dimension says which kind the geometry may be: one cast, not three.
      point_(dimension == 0 ? dynamic_cast<ZORPoint*>(geometry_.get()) : nullptr),
      curve_(dimension == 1 ? dynamic_cast<ZORCurve*>(geometry_.get()) : nullptr),
      surface_(dimension == 2 ? dynamic_cast<ZORSurface*>(geometry_.get()) : nullptr) {}

ZORMathPoint ZORCell::GetCenterOfGravity() const {
  if (const ZORPoint* point = GetPoint()) return point->GetPoint();
  if (const ZORCurve* curve = GetCurve()) return curve->GetCentroid();
  if (const ZORSurface* surface = GetSurface()) return surface->GetCentroid();
  return {};
}

double ZORCell::GetMeasure() const {
  if (const ZORCurve* curve = GetCurve()) return curve->GetLength();
  if (const ZORSurface* surface = GetSurface()) return surface->GetArea();
  return 0.0;
}

std::string ZORCell::Describe() const {
  static const char* const kNames[] = {"vertex", "edge", "face"};
  std::string text =
      std::string(kNames[std::clamp(dimension_, 0, 2)]) + " " + std::to_string(number_) + " ";
  if (const ZORPoint* point = GetPoint())
    text += "point(" + ZORGeometryText::Point(point->GetPoint()) + ")";
  if (const ZORCurve* curve = GetCurve()) text += curve->Describe();
  if (const ZORSurface* surface = GetSurface()) text += surface->Describe();
  if (noPick_) text += " unpickable";
  return text;
}
