#pragma once
// A cylinder patch's geometry: the points at distance `radius` from the axis segment, between
// two angles around it. u is the angle (radians) from the reference direction towards
// axis × reference, v the height along the axis from its start (0 to the axis length).

#include "ZORSurface.h"

class ZORCylinder : public ZORSurface {
  ZOR_DECLARE_CLASS(ZORCylinder, ZORSurface, ZORMetaObject::Implementation, "Geometry")

  ZORCylinder() = default;
  //! Axis from `start` to `end` (distinct), `reference` not along the axis, `radius` positive,
  //! 0 < `angle1` - `angle0` <= 2π.
  ZORCylinder(const ZORMathPoint& start, const ZORMathPoint& end, const ZORMathVector& reference,
              double radius, double angle0, double angle1);

  //! The axis start point.
  const ZORMathPoint& GetAxisStart() const { return start_; }
  //! The unit axis direction.
  const ZORMathVector& GetAxis() const { return axis_; }
  //! The axis length.
  double GetHeight() const { return height_; }
  //! The radius.
  double GetRadius() const { return radius_; }
  //! The angular range.
  double GetStartAngle() const { return angle0_; }
  double GetEndAngle() const { return angle1_; }
  //! Whether the patch goes all around the axis.
  bool IsFull() const;

  ZORMathPoint Eval(double u, double v) const override;
  ZORMathVector Normal(const ZORMathPoint& point) const override;
  void Project(const ZORMathPoint& point, double& u, double& v) const override;
  std::vector<double> Intersect(const ZORMathLine& line) const override;
  bool IsBounded() const override { return true; }
  std::vector<ZORCurve_var> Boundary() const override;
  double GetArea() const override;
  ZORMathPoint GetCentroid() const override;
  HRESULT LengthOnSurface(const ZORMathPoint& from, const ZORMathPoint& to, double tolerance,
                          double& length) const override;
  std::string Describe() const override;

 private:
  // The angle of `point` around the axis, within [angle0, angle0 + 2π).
  double AngleOf(const ZORMathPoint& point) const;
  bool InAngles(double angle) const { return angle <= angle1_; }

  ZORMathPoint start_;
  ZORMathVector axis_{0.0, 0.0, 1.0};
  ZORMathVector x_{1.0, 0.0, 0.0};
  ZORMathVector y_{0.0, 1.0, 0.0};
  double height_ = 1.0;
  double radius_ = 1.0;
  double angle0_ = 0.0;
  double angle1_ = 0.0;
};

using ZORCylinder_var = ZORVar<ZORCylinder>;
