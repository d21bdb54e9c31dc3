#pragma once
// A marker drawn at one point with a symbol type (the platform's numbers: 2, 3, 5 ...).

#include "ZORGraphicPrimitive.h"
#include "ZORMathPointf.h"

class ZOR3DMarkerGP : public ZORGraphicPrimitive {
 public:
  ZOR3DMarkerGP(const ZORMathPointf& point, int symbol) : point_(point), symbol_(symbol) {}

  const ZORMathPointf& GetPoint() const { return point_; }
  int GetSymbol() const { return symbol_; }
  std::string Describe() const override;

 private:
  ZORMathPointf point_;
  int symbol_;
};
