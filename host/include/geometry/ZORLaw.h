#pragma once
// An evaluable law: a value that evolves along a parameter t of [0, 1] (a t outside is taken at
// the nearest end). Constant a; linear (1-t)a + tb; S-type a + (b-a)(3t^2 - 2t^3); implicit
// through points (t_i, v_i), piecewise linear or along a natural cubic spline; a sine
// offset + amplitude sin(2 pi periods t). Any of them may run backwards (read at 1 - t).
//
// Its extreme values are known in closed form for constant, linear, S-type and piecewise linear
// laws; a spline's or a sine's are not, and asking raises a ZORError (callers then sample).

#include <utility>
#include <vector>

#include "ZORBaseUnknown.h"
#include "ZORVar.h"

class ZORLaw : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORLaw, ZORBaseUnknown, ZORMetaObject::Implementation, "Geometry")

  //! Interpolation of an implicit law through its points.
  enum class Interpolation { kLinear = 1, kCubic = 2 };

  //! The laws; null for a value that is not finite.
  static ZORVar<ZORLaw> MakeConstant(double a);
  static ZORVar<ZORLaw> MakeLinear(double a, double b);
  static ZORVar<ZORLaw> MakeSType(double a, double b);
  static ZORVar<ZORLaw> MakeSine(double offset, double amplitude, double periods);
  //! Through `points` (t, v), sorted here by t; null for fewer than two points, a t outside
  //! [0, 1], two points at the same t or a value that is not finite.
  static ZORVar<ZORLaw> MakeImplicit(std::vector<std::pair<double, double>> points,
                                     Interpolation interpolation);
  //! The same law read backwards (at 1 - t); null for null.
  static ZORVar<ZORLaw> MakeInverted(const ZORVar<ZORLaw>& law);

  //! The value at `t`.
  double Evaluate(double t) const;
  //! The smallest and largest value over [0, 1]; raises a ZORError when they are not known.
  void GetExtremeValues(double& minimum, double& maximum) const;
  //! Whether GetExtremeValues answers.
  bool HasKnownExtremes() const;

 private:
  enum class Kind { kConstant, kLinear, kSType, kSine, kImplicit };
  ZORLaw() = default;
  double EvaluateForward(double t) const;
  double Spline(double t) const;

  Kind kind_ = Kind::kConstant;
  double a_ = 0.0;
  double b_ = 0.0;
  double c_ = 0.0;
  bool inverted_ = false;
  Interpolation interpolation_ = Interpolation::kLinear;
  std::vector<std::pair<double, double>> points_;
  std::vector<double> second_;  // the spline's second derivatives at the points
};

using ZORLaw_var = ZORVar<ZORLaw>;
