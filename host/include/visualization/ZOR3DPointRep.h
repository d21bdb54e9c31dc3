#pragma once
// A marker representation: one point drawn with the platform's symbol type (5 by default; 2, 3,
// 4, 6, 12 ... are other marker shapes).

#include "ZOR3DRep.h"
#include "ZORMathPoint.h"

class ZOR3DPointRep : public ZOR3DRep {
  ZOR_DECLARE_CLASS(ZOR3DPointRep, ZOR3DRep, ZORMetaObject::Implementation, "Visualization")

  explicit ZOR3DPointRep(const ZORMathPoint& point = ZORMathPoint(), int symbol = 5)
      : point_(point), symbol_(symbol) {}

  const ZORMathPoint& GetPoint() const { return point_; }
  void SetPoint(const ZORMathPoint& point) { point_ = point; }
  int GetSymbol() const { return symbol_; }
  void SetSymbol(int symbol) { symbol_ = symbol; }

 protected:
  std::string DescribeContent() const override;

 private:
  ZORMathPoint point_;
  int symbol_;
};

using ZOR3DPointRep_var = ZORVar<ZOR3DPointRep>;
