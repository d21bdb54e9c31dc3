#pragma once
// The geometry of an edge: a bounded curve with a parameter range [start, end]. Evaluation,
// tangent and curvature read the curve's carrier at any parameter; Evaluate refuses parameters
// outside the range, Clamp brings one back into it for callers that read the curve at its ends.
// Immutable once made.

#include <string>
#include <vector>

#include "ZORMathPoint.h"
#include "ZORTypes.h"
#include "ZORVar.h"

class ZORCurve : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORCurve, ZORBaseUnknown, ZORMetaObject::Implementation, "Geometry")

  ZORCurve() = default;

  //! The parameter of the start point.
  virtual double GetStartParam() const = 0;
  //! The parameter of the end point (above the start one).
  virtual double GetEndParam() const = 0;
  //! The point of the carrier at `t`.
  virtual ZORMathPoint Eval(double t) const = 0;
  //! The unit tangent at `t`, towards growing parameters.
  virtual ZORMathVector Tangent(double t) const = 0;
  //! The curvature (1/mm) at `t`.
  virtual double Curvature(double t) const = 0;
  //! The length between the ends.
  virtual double GetLength() const = 0;
  //! The parameter `length` mm from the start (clamped to the curve).
  virtual double ParamAtLength(double length) const = 0;
  //! The parameter of the point of the curve nearest to `point`.
  virtual double Closest(const ZORMathPoint& point) const = 0;
  //! The centre of gravity of the curve (length-weighted).
  virtual ZORMathPoint GetCentroid() const = 0;
  //! Whether the curve is straight.
  virtual bool IsLinear() const = 0;
  //! Points along the curve, ends included, whose chords stay within `tolerance` of it.
  virtual std::vector<ZORMathPoint> Tessellate(double tolerance) const = 0;
  //! A short stable text.
  virtual std::string Describe() const = 0;
  //! The same points run the other way.
  virtual ZORVar<ZORCurve> Reversed() const = 0;
  //! The part between the parameters `start` and `end` (brought into the range); null when it
  //! has no length.
  virtual ZORVar<ZORCurve> Restricted(double start, double end) const = 0;

  //! The point at `t`: E_INVALIDARG outside the range.
  HRESULT Evaluate(double t, ZORMathPoint& point) const;
  //! `t` brought into the range.
  double Clamp(double t) const;
  //! The start and end points.
  ZORMathPoint StartPoint() const { return Eval(GetStartParam()); }
  ZORMathPoint EndPoint() const { return Eval(GetEndParam()); }
  //! The chord deviation drawings allow: 0.01 mm, or 1/500 of the radius when smaller.
  double DrawingTolerance() const;
  //! Whether `point` lies within `tolerance` of the curve.
  bool Contains(const ZORMathPoint& point, double tolerance) const;
};

using ZORCurve_var = ZORVar<ZORCurve>;
