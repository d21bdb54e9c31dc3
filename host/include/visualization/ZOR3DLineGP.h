#pragma once
// A straight line drawn between two points.

#include "ZORGraphicPrimitive.h"
#include "ZORMathPointf.h"

class ZOR3DLineGP : public ZORGraphicPrimitive {
 public:
  ZOR3DLineGP(const ZORMathPointf& start, const ZORMathPointf& end) : start_(start), end_(end) {}

  const ZORMathPointf& GetStart() const { return start_; }
  const ZORMathPointf& GetEnd() const { return end_; }
  std::string Describe() const override;

 private:
  ZORMathPointf start_;
  ZORMathPointf end_;
};
