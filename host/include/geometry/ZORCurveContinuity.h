#pragma once
// How two curves meet at their nearest ends: the gap between the ends (mm), the turn of the
// tangent there (degrees, the first curve running into the junction and the second out of it),
// the difference of their curvatures (1/mm), and the continuity type that follows with the
// value that measures its break.

#include "ZORCurve.h"

class ZORCurveContinuity {
 public:
  //! Types: a gap, point continuity with a tangent break, tangent continuity with a curvature
  //! break, curvature continuity.
  static constexpr int kGap = -1;
  static constexpr int kPoint = 0;
  static constexpr int kTangent = 1;
  static constexpr int kCurvature = 2;

  struct Tolerances {
    double gap = 0.001;       // mm
    double angle = 0.5;       // degrees
    double curvature = 1e-6;  // 1/mm
  };

  //! Measures `a` and `b` at their nearest ends.
  ZORCurveContinuity(const ZORCurve& a, const ZORCurve& b, const Tolerances& tolerances);
  ZORCurveContinuity(const ZORCurve& a, const ZORCurve& b)
      : ZORCurveContinuity(a, b, Tolerances()) {}

  //! The gap between the nearest ends.
  double GetGap() const { return gap_; }
  //! The tangent turn, in degrees.
  double GetAngle() const { return angle_; }
  //! The curvature difference.
  double GetCurvatureDifference() const { return curvature_; }
  //! kGap, kPoint, kTangent or kCurvature.
  int GetType() const { return type_; }
  //! The break that decides the type: the gap, the angle, the curvature difference (and the
  //! curvature difference, within its tolerance, for curvature continuity).
  double GetValue() const;

 private:
  double gap_ = 0.0;
  double angle_ = 0.0;
  double curvature_ = 0.0;
  int type_ = kGap;
};
