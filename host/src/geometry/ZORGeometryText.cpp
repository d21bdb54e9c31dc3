#include "ZORGeometryText.h"

#include <cmath>

#include "ZORString.h"

std::string ZORGeometryText::Number(double value) {
  // Rounding noise of a sine or cosine (1.8e-16 for cos 90°) reads as the zero it stands for.
  if (std::abs(value) < 1e-12) return "0";
  const std::string text = ZORString::Format("%g", value).str();
  return text == "-0" ? "0" : text;
}

std::string ZORGeometryText::Point(const ZORMathPoint& point) {
  return Number(point.GetX()) + "," + Number(point.GetY()) + "," + Number(point.GetZ());
}

std::string ZORGeometryText::Vector(const ZORMathVector& vector) {
  return Number(vector.GetX()) + "," + Number(vector.GetY()) + "," + Number(vector.GetZ());
}
