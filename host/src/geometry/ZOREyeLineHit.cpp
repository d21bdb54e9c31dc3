#include "ZOREyeLineHit.h"

#include <algorithm>

namespace {

// The parameter along `eye` of its point nearest to the segment [a, b], and the segment's
// parameter (0..1) there.
void Nearest(const ZORMathLine& eye, const ZORMathPoint& a, const ZORMathPoint& b, double& t,
             double& s) {
  const ZORMathVector d = eye.GetDirection();
  const ZORMathVector e = b - a;
  const ZORMathVector w = eye.GetOrigin() - a;
  const double B = d.Dot(e), C = e.Dot(e), D = d.Dot(w), E = e.Dot(w);
  const double denominator = C - B * B;
  s = denominator > 1e-12 * C ? std::clamp((E - B * D) / denominator, 0.0, 1.0) : 0.0;
  t = s * B - D;
  // The segment point nearest to that eye point, now that s may have been clamped.
  const ZORMathPoint onEye = eye.EvalPoint(t);
  s = C > 0.0 ? std::clamp((onEye - a).Dot(e) / C, 0.0, 1.0) : 0.0;
  t = eye.GetParameter(a + s * e);
}

}  // namespace

void ZOREyeLineHit::Offer(ZORCell* cell, double parameter, const ZORMathPoint& point,
                          double tolerance) {
  if (cell_) {
    const bool deeper = parameter > parameter_ + tolerance;
    const bool level = !deeper && parameter >= parameter_ - tolerance;
    if (deeper) return;
    // At one depth the lower dimension wins; otherwise the nearer.
    if (level && cell->GetDimension() > cell_->GetDimension()) return;
    if (level && cell->GetDimension() == cell_->GetDimension() && parameter >= parameter_) return;
  }
  cell_ = cell;
  parameter_ = parameter;
  point_ = point;
}

bool ZOREyeLineHit::First(const ZORBody& body, const ZORMathLine& eye, double tolerance,
                          ZOREyeLineHit& hit) {
  ZOREyeLineHit found;
  for (const ZORCell_var& cell : body.GetCells()) {
    if (cell->IsNoPick()) continue;
    if (const ZORPoint* vertex = cell->GetPoint()) {
      const ZORMathPoint& p = vertex->GetPoint();
      if (eye.Project(p).DistanceTo(p) <= tolerance) {
        found.Offer(cell.get(), eye.GetParameter(p), p, tolerance);
      }
    } else if (const ZORCurve* curve = cell->GetCurve()) {
      const std::vector<ZORMathPoint> points =
          curve->Tessellate(std::min(tolerance / 4.0, curve->DrawingTolerance()));
      for (std::size_t i = 1; i < points.size(); ++i) {
        double t = 0.0, s = 0.0;
        Nearest(eye, points[i - 1], points[i], t, s);
        const ZORMathPoint chordPoint = points[i - 1] + s * (points[i] - points[i - 1]);
        const ZORMathPoint onCurve = curve->Eval(curve->Closest(chordPoint));
        if (eye.Project(onCurve).DistanceTo(onCurve) > tolerance) continue;
        found.Offer(cell.get(), eye.GetParameter(onCurve), onCurve, tolerance);
      }
    } else if (const ZORSurface* surface = cell->GetSurface()) {
      for (double t : surface->Intersect(eye)) {
        found.Offer(cell.get(), t, eye.EvalPoint(t), tolerance);
      }
    }
  }
  if (!found.cell_) return false;
  hit = found;
  return true;
}
