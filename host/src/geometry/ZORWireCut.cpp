#include "ZORWireCut.h"

#include <algorithm>
#include <cmath>

namespace {

// Samples per curve when looking for a sign change: an arc crosses a plane at most twice, and
// 64 samples keep both crossings of any arc apart.
constexpr int kSamples = 64;
constexpr int kBisections = 80;

int SideOf(double distance) {
  if (distance > ZORWireCut::kTolerance) return 1;
  if (distance < -ZORWireCut::kTolerance) return -1;
  return 0;
}

// The closest points of the segments [p, q] and [r, s], as fractions along each.
void ClosestOnSegments(const ZORMathPoint& p, const ZORMathPoint& q, const ZORMathPoint& r,
                       const ZORMathPoint& s, double& a, double& b) {
  const ZORMathVector d1 = q - p;
  const ZORMathVector d2 = s - r;
  const ZORMathVector w = p - r;
  const double aa = d1.Dot(d1);
  const double ee = d2.Dot(d2);
  const double ff = d2.Dot(w);
  const double cc = d1.Dot(w);
  const double bb = d1.Dot(d2);
  const double denominator = aa * ee - bb * bb;
  a = denominator > 1e-18 ? std::clamp((bb * ff - cc * ee) / denominator, 0.0, 1.0) : 0.0;
  b = ee > 1e-18 ? (bb * a + ff) / ee : 0.0;
  if (b < 0.0 || b > 1.0) {
    b = std::clamp(b, 0.0, 1.0);
    a = aa > 1e-18 ? std::clamp((bb * b - cc) / aa, 0.0, 1.0) : 0.0;
  }
}

bool Before(const ZORWireCut::Place& a, const ZORWireCut::Place& b) {
  return a.curve != b.curve ? a.curve < b.curve : a.param < b.param;
}

}  // namespace

ZORWireCut::ZORWireCut(const ZORWire& wire) : closed_(wire.IsClosed()) {
  for (const ZORWire::Piece& piece : wire.GetPieces()) {
    curves_.push_back(piece.reversed ? piece.curve->Reversed() : ZORCurve_var(piece.curve));
  }
}

template <class F>
double ZORWireCut::Bisect(const F& f, double a, double b) {
  const int sideA = SideOf(f(a));
  for (int i = 0; i < kBisections; ++i) {
    const double middle = 0.5 * (a + b);
    const int side = SideOf(f(middle));
    if (side == 0) return middle;
    (side == sideA ? a : b) = middle;
  }
  return 0.5 * (a + b);
}

std::vector<ZORWireCut::Place> ZORWireCut::CrossingsWith(const ZORMathPlane& plane) const {
  const ZORMathVector normal = plane.GetNormal().Normalized();
  std::vector<Place> places;
  // The last sample off the plane, and the first sample on it since then.
  int lastSide = 0;
  Place onPlane;
  bool hasOnPlane = false;
  for (std::size_t k = 0; k < curves_.size(); ++k) {
    const ZORCurve& curve = *curves_[k];
    const auto distance = [&](double t) { return normal.Dot(curve.Eval(t) - plane.GetOrigin()); };
    const double start = curve.GetStartParam();
    const double step = (curve.GetEndParam() - start) / kSamples;
    double previous = start;
    for (int i = 0; i <= kSamples; ++i) {
      const double t = i == kSamples ? curve.GetEndParam() : start + i * step;
      const int side = SideOf(distance(t));
      if (side == 0) {
        if (!hasOnPlane) onPlane = {k, t, curve.Eval(t)};
        hasOnPlane = true;
      } else {
        if (lastSide != 0 && side != lastSide) {
          if (hasOnPlane) {
            places.push_back(onPlane);
          } else {
            const double at = Bisect(distance, previous, t);
            places.push_back({k, at, curve.Eval(at)});
          }
        }
        lastSide = side;
        hasOnPlane = false;
      }
      previous = t;
    }
  }
  return places;
}

std::vector<ZORWireCut::Place> ZORWireCut::CrossingsWith(const ZORWireCut& other,
                                                         std::vector<Place>& theirs) const {
  struct Chords {
    std::size_t curve;
    std::vector<ZORMathPoint> points;
  };
  const auto chordsOf = [](const std::vector<ZORCurve_var>& curves) {
    std::vector<Chords> all;
    for (std::size_t k = 0; k < curves.size(); ++k) {
      all.push_back({k, curves[k]->Tessellate(curves[k]->DrawingTolerance())});
    }
    return all;
  };
  const std::vector<Chords> mine = chordsOf(curves_);
  const std::vector<Chords> yours = chordsOf(other.curves_);
  std::vector<std::pair<Place, Place>> found;
  for (const Chords& a : mine) {
    for (const Chords& b : yours) {
      for (std::size_t i = 0; i + 1 < a.points.size(); ++i) {
        for (std::size_t j = 0; j + 1 < b.points.size(); ++j) {
          double u = 0.0, v = 0.0;
          ClosestOnSegments(a.points[i], a.points[i + 1], b.points[j], b.points[j + 1], u, v);
          const ZORMathPoint p = a.points[i] + u * (a.points[i + 1] - a.points[i]);
          const ZORMathPoint q = b.points[j] + v * (b.points[j + 1] - b.points[j]);
          // The chords stand within the drawing tolerance of their curves: refine on the curves.
          const ZORCurve& ca = *curves_[a.curve];
          const ZORCurve& cb = *other.curves_[b.curve];
          if (p.DistanceTo(q) > 2.0 * (ca.DrawingTolerance() + cb.DrawingTolerance())) continue;
          double ta = ca.Closest(p);
          double tb = cb.Closest(q);
          for (int n = 0; n < 20; ++n) {
            ta = ca.Closest(cb.Eval(tb));
            tb = cb.Closest(ca.Eval(ta));
          }
          const ZORMathPoint meet = ca.Eval(ta);
          if (meet.DistanceTo(cb.Eval(tb)) > 1e3 * kTolerance) continue;
          const bool seen = std::any_of(found.begin(), found.end(), [&](const auto& pair) {
            return pair.first.point.DistanceTo(meet) <= 1e3 * kTolerance;
          });
          if (!seen) found.push_back({{a.curve, ta, meet}, {b.curve, tb, meet}});
        }
      }
    }
  }
  std::sort(found.begin(), found.end(),
            [](const auto& x, const auto& y) { return ::Before(x.first, y.first); });
  std::vector<Place> places;
  theirs.clear();
  for (const auto& [mineAt, yoursAt] : found) {
    places.push_back(mineAt);
    theirs.push_back(yoursAt);
  }
  return places;
}

std::vector<std::vector<ZORCurve_var>> ZORWireCut::Runs(const std::vector<Place>& places) const {
  std::vector<std::vector<ZORCurve_var>> runs(1);
  std::size_t next = 0;
  for (std::size_t k = 0; k < curves_.size(); ++k) {
    double from = curves_[k]->GetStartParam();
    for (; next < places.size() && places[next].curve == k; ++next) {
      if (ZORCurve_var part = curves_[k]->Restricted(from, places[next].param)) {
        runs.back().push_back(part);
      }
      from = places[next].param;
      runs.emplace_back();
    }
    if (ZORCurve_var part = curves_[k]->Restricted(from, curves_[k]->GetEndParam())) {
      runs.back().push_back(part);
    }
  }
  if (closed_ && runs.size() > 1) {
    runs.front().insert(runs.front().begin(), runs.back().begin(), runs.back().end());
    runs.pop_back();
  }
  runs.erase(std::remove_if(runs.begin(), runs.end(), [](const auto& run) { return run.empty(); }),
             runs.end());
  return runs;
}

std::vector<ZORCurve_var> ZORWireCut::Before(const Place& place) const {
  std::vector<ZORCurve_var> run(curves_.begin(),
                                curves_.begin() + static_cast<std::ptrdiff_t>(place.curve));
  const ZORCurve& cut = *curves_[place.curve];
  if (ZORCurve_var part = cut.Restricted(cut.GetStartParam(), place.param)) run.push_back(part);
  return run;
}

std::vector<ZORCurve_var> ZORWireCut::After(const Place& place) const {
  std::vector<ZORCurve_var> run;
  const ZORCurve& cut = *curves_[place.curve];
  if (ZORCurve_var part = cut.Restricted(place.param, cut.GetEndParam())) run.push_back(part);
  run.insert(run.end(), curves_.begin() + static_cast<std::ptrdiff_t>(place.curve) + 1,
             curves_.end());
  return run;
}

std::vector<ZORCurve_var> ZORWireCut::Reversed(const std::vector<ZORCurve_var>& run) {
  std::vector<ZORCurve_var> reversed;
  for (auto it = run.rbegin(); it != run.rend(); ++it) reversed.push_back((*it)->Reversed());
  return reversed;
}
