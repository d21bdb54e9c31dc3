#include "ZORSurface.h"

ZORMathPoint ZORSurface::ProjectPoint(const ZORMathPoint& point) const {
  double u = 0.0, v = 0.0;
  Project(point, u, v);
  return Eval(u, v);
}

bool ZORSurface::Contains(const ZORMathPoint& point, double tolerance) const {
  return ProjectPoint(point).DistanceTo(point) <= tolerance;
}
