#pragma once
// A straight edge's geometry: a line with the parameters of its ends, parameters being lengths
// along the line's unit direction.

#include "ZORCurve.h"
#include "ZORMathLine.h"

class ZORLine : public ZORCurve {
  ZOR_DECLARE_CLASS(ZORLine, ZORCurve, ZORMetaObject::Implementation, "Geometry")

  ZORLine() = default;
  //! The segment from `start` to `end` (distinct points), parameters 0 to its length.
  ZORLine(const ZORMathPoint& start, const ZORMathPoint& end);
  //! The part of `line` between two parameters (`start` below `end`).
  ZORLine(const ZORMathLine& line, double start, double end);

  //! The carrying line.
  const ZORMathLine& GetMathLine() const { return line_; }
  //! The unit direction.
  const ZORMathVector& GetDirection() const { return line_.GetDirection(); }

  double GetStartParam() const override { return start_; }
  double GetEndParam() const override { return end_; }
  ZORMathPoint Eval(double t) const override { return line_.EvalPoint(t); }
  ZORMathVector Tangent(double) const override { return line_.GetDirection(); }
  double Curvature(double) const override { return 0.0; }
  double GetLength() const override { return end_ - start_; }
  double ParamAtLength(double length) const override { return Clamp(start_ + length); }
  double Closest(const ZORMathPoint& point) const override;
  ZORMathPoint GetCentroid() const override { return Eval((start_ + end_) / 2.0); }
  bool IsLinear() const override { return true; }
  std::vector<ZORMathPoint> Tessellate(double) const override;
  std::string Describe() const override;
  ZORCurve_var Reversed() const override;
  ZORCurve_var Restricted(double start, double end) const override;

 private:
  ZORMathLine line_;
  double start_ = 0.0;
  double end_ = 0.0;
};

using ZORLine_var = ZORVar<ZORLine>;
