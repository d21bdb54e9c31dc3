#include "ZORLine.h"

#include "ZORGeometryText.h"

ZORLine::ZORLine(const ZORMathPoint& start, const ZORMathPoint& end)
    : line_(start, end - start), start_(0.0), end_(start.DistanceTo(end)) {}

ZORLine::ZORLine(const ZORMathLine& line, double start, double end)
    : line_(line), start_(start), end_(end) {}

double ZORLine::Closest(const ZORMathPoint& point) const {
  return Clamp(line_.GetParameter(point));
}

std::vector<ZORMathPoint> ZORLine::Tessellate(double) const {
  return {StartPoint(), EndPoint()};
}

std::string ZORLine::Describe() const {
  return "line(" + ZORGeometryText::Point(StartPoint()) + ")-(" +
         ZORGeometryText::Point(EndPoint()) + ")";
}

ZORCurve_var ZORLine::Reversed() const {
  return ZORMake<ZORLine>(EndPoint(), StartPoint());
}

ZORCurve_var ZORLine::Restricted(double start, double end) const {
  start = Clamp(start);
  end = Clamp(end);
  if (!(end > start)) return nullptr;
  return ZORMake<ZORLine>(line_, start, end);
}
