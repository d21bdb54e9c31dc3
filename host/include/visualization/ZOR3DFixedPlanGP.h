#pragma once
// A plane symbol of fixed size on the screen: a square from the plane's origin along its two
// directions, `size` pixels a side, so it reads the same at any zoom.

#include "ZORGraphicPrimitive.h"
#include "ZORMathPointf.h"
#include "ZORMathVectorf.h"

class ZOR3DFixedPlanGP : public ZORGraphicPrimitive {
 public:
  ZOR3DFixedPlanGP(const ZORMathPointf& origin, const ZORMathVectorf& first,
                   const ZORMathVectorf& second, float size)
      : origin_(origin), first_(first), second_(second), size_(size) {}

  const ZORMathPointf& GetOrigin() const { return origin_; }
  const ZORMathVectorf& GetFirstDirection() const { return first_; }
  const ZORMathVectorf& GetSecondDirection() const { return second_; }
  float GetSize() const { return size_; }
  //! "plan(x,y,z u=x,y,z v=x,y,z size=15)".
  std::string Describe() const override;

 private:
  ZORMathPointf origin_;
  ZORMathVectorf first_;
  ZORMathVectorf second_;
  float size_;
};
