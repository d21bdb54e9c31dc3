#pragma once
// A plane face's geometry: an unbounded plane, or the rectangle [u0, u1] × [v0, v1] of a plane
// in its own orthonormal coordinates. Its geometry gives the ZORMathPlane.

#include "ZORMathPlane.h"
#include "ZORSurface.h"

class ZORPlane : public ZORSurface {
  ZOR_DECLARE_CLASS(ZORPlane, ZORSurface, ZORMetaObject::Implementation, "Geometry")

  ZORPlane() = default;
  //! The unbounded plane.
  explicit ZORPlane(const ZORMathPlane& plane) : plane_(plane) {}
  //! The rectangle of the plane between the given coordinates (u0 < u1, v0 < v1).
  ZORPlane(const ZORMathPlane& plane, double u0, double u1, double v0, double v1);

  //! The plane.
  const ZORMathPlane& GetMathPlane() const { return plane_; }
  //! The rectangle's coordinates; false for an unbounded plane.
  bool GetBounds(double& u0, double& u1, double& v0, double& v1) const;

  ZORMathPoint Eval(double u, double v) const override { return plane_.EvalPoint(u, v); }
  ZORMathVector Normal(const ZORMathPoint&) const override { return plane_.GetNormal(); }
  void Project(const ZORMathPoint& point, double& u, double& v) const override;
  std::vector<double> Intersect(const ZORMathLine& line) const override;
  bool IsBounded() const override { return bounded_; }
  std::vector<ZORCurve_var> Boundary() const override;
  double GetArea() const override;
  ZORMathPoint GetCentroid() const override;
  HRESULT LengthOnSurface(const ZORMathPoint& from, const ZORMathPoint& to, double tolerance,
                          double& length) const override;
  std::string Describe() const override;

 private:
  ZORMathPlane plane_;
  bool bounded_ = false;
  double u0_ = 0.0, u1_ = 0.0, v0_ = 0.0, v1_ = 0.0;
};

using ZORPlane_var = ZORVar<ZORPlane>;
