#pragma once
// Cuts a wire: where it crosses a plane or another wire, and the runs of curves between cuts.
// A wire is read as the chain of its curves, each turned to run the way the chain runs, so that
// a cut is a curve of that chain and a parameter on it. Crossings are found by sampling each
// curve and refining where the sign of the distance changes (a plane) or where two chords meet
// (a wire), so arcs are cut where they really cross, within `kTolerance`.

#include <vector>

#include "ZORCurve.h"
#include "ZORMathPlane.h"
#include "ZORWire.h"

class ZORWireCut {
 public:
  //! How close two points must be to count as one, in mm.
  static constexpr double kTolerance = 1e-6;

  //! A place along the chain: curve `curve` (from 0) at parameter `param`.
  struct Place {
    std::size_t curve = 0;
    double param = 0.0;
    ZORMathPoint point;
  };

  //! Reads `wire` as its chain of curves.
  explicit ZORWireCut(const ZORWire& wire);

  //! The chain's curves, each run the way the chain runs.
  const std::vector<ZORCurve_var>& GetCurves() const { return curves_; }
  //! Whether the chain closes on itself.
  bool IsClosed() const { return closed_; }

  //! Where the chain passes from one side of `plane` to the other, in chain order. Touching the
  //! plane without passing through it is no crossing.
  std::vector<Place> CrossingsWith(const ZORMathPlane& plane) const;
  //! Where the chain meets `other`, in this chain's order; `theirs` gets the same places on
  //! `other`, one for one.
  std::vector<Place> CrossingsWith(const ZORWireCut& other, std::vector<Place>& theirs) const;

  //! The runs of curves between the cuts `places` (in chain order), from the chain's start; a
  //! closed chain's last run goes on into its first. No cut: the whole chain.
  std::vector<std::vector<ZORCurve_var>> Runs(const std::vector<Place>& places) const;
  //! The curves from the chain's start to `place`, and from `place` to its end.
  std::vector<ZORCurve_var> Before(const Place& place) const;
  std::vector<ZORCurve_var> After(const Place& place) const;

  //! The same curves run the other way, in the reverse order.
  static std::vector<ZORCurve_var> Reversed(const std::vector<ZORCurve_var>& run);

 private:
  // The parameter of `curve` where `f` (sign known at `a` and `b`) changes sign.
  template <class F>
  static double Bisect(const F& f, double a, double b);

  std::vector<ZORCurve_var> curves_;
  bool closed_ = false;
};
