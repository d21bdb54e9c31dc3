#pragma once
// A circle arc's geometry: centre, radius, and the plane of the circle given by two orthonormal
// directions; the parameter is the angle (radians) from the first direction towards the second.
// A full circle spans 2π.

#include "ZORCurve.h"

class ZORCircle : public ZORCurve {
  ZOR_DECLARE_CLASS(ZORCircle, ZORCurve, ZORMetaObject::Implementation, "Geometry")

  ZORCircle() = default;
  //! `first` and `second` orthonormal, `radius` positive, 0 < `end` - `start` <= 2π.
  ZORCircle(const ZORMathPoint& centre, const ZORMathVector& first, const ZORMathVector& second,
            double radius, double start, double end);
  //! The arc from `p1` through `p2` to `p3`; false (and `arc` untouched) when the points are
  //! aligned or two coincide within `tolerance`.
  static bool ThroughThreePoints(const ZORMathPoint& p1, const ZORMathPoint& p2,
                                 const ZORMathPoint& p3, double tolerance, ZORVar<ZORCircle>& arc);

  //! The centre.
  const ZORMathPoint& GetCentre() const { return centre_; }
  //! The radius.
  double GetRadius() const { return radius_; }
  //! The unit normal of the circle's plane (first × second).
  ZORMathVector GetNormal() const { return first_.Cross(second_); }
  //! Whether the arc is a whole circle.
  bool IsFull() const;

  double GetStartParam() const override { return start_; }
  double GetEndParam() const override { return end_; }
  ZORMathPoint Eval(double t) const override;
  ZORMathVector Tangent(double t) const override;
  double Curvature(double) const override { return 1.0 / radius_; }
  double GetLength() const override { return radius_ * (end_ - start_); }
  double ParamAtLength(double length) const override { return Clamp(start_ + length / radius_); }
  double Closest(const ZORMathPoint& point) const override;
  ZORMathPoint GetCentroid() const override;
  bool IsLinear() const override { return false; }
  std::vector<ZORMathPoint> Tessellate(double tolerance) const override;
  std::string Describe() const override;
  ZORCurve_var Reversed() const override;
  ZORCurve_var Restricted(double start, double end) const override;

 private:
  ZORMathPoint centre_;
  ZORMathVector first_{1.0, 0.0, 0.0};
  ZORMathVector second_{0.0, 1.0, 0.0};
  double radius_ = 1.0;
  double start_ = 0.0;
  double end_ = 0.0;
};

using ZORCircle_var = ZORVar<ZORCircle>;
