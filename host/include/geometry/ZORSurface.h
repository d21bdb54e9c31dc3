#pragma once
// The geometry of a face: a surface patch in (u, v) coordinates, or an unbounded plane. It
// gives points, normals, projections, crossings with a line, its boundary curves, its area and
// centroid, and lengths measured on it. Immutable once made.

#include <string>
#include <vector>

#include "ZORCurve.h"
#include "ZORMathLine.h"

class ZORSurface : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORSurface, ZORBaseUnknown, ZORMetaObject::Implementation, "Geometry")

  ZORSurface() = default;

  //! The point at (u, v).
  virtual ZORMathPoint Eval(double u, double v) const = 0;
  //! The unit normal at the surface point nearest to `point`.
  virtual ZORMathVector Normal(const ZORMathPoint& point) const = 0;
  //! The (u, v) of the surface point nearest to `point`, inside the patch.
  virtual void Project(const ZORMathPoint& point, double& u, double& v) const = 0;
  //! The parameters along `line` where it crosses the patch, in growing order.
  virtual std::vector<double> Intersect(const ZORMathLine& line) const = 0;
  //! Whether the surface has a boundary (an unbounded plane has none).
  virtual bool IsBounded() const = 0;
  //! The boundary curves; none when unbounded.
  virtual std::vector<ZORCurve_var> Boundary() const = 0;
  //! The area (infinite when unbounded).
  virtual double GetArea() const = 0;
  //! The centre of gravity of the patch (the origin of an unbounded plane).
  virtual ZORMathPoint GetCentroid() const = 0;
  //! The length of the shortest way on the surface between two of its points: E_FAIL when
  //! either point is farther than `tolerance` from the surface.
  virtual HRESULT LengthOnSurface(const ZORMathPoint& from, const ZORMathPoint& to,
                                  double tolerance, double& length) const = 0;
  //! A short stable text.
  virtual std::string Describe() const = 0;

  //! The surface point nearest to `point`.
  ZORMathPoint ProjectPoint(const ZORMathPoint& point) const;
  //! Whether `point` lies within `tolerance` of the patch.
  bool Contains(const ZORMathPoint& point, double tolerance) const;
};

using ZORSurface_var = ZORVar<ZORSurface>;
