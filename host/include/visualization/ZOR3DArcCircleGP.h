#pragma once
// An arc of circle: centre, the plane's normal, the start vector (in that plane, from the centre
// towards the arc's start), the radius, and the start and end angles in radians, turning from
// the start vector about the normal.

#include <string>

#include "ZORGraphicPrimitive.h"
#include "ZORMathPointf.h"
#include "ZORMathVectorf.h"

class ZOR3DArcCircleGP : public ZORGraphicPrimitive {
 public:
  ZOR3DArcCircleGP(const ZORMathPointf& center, const ZORMathVectorf& normal,
                   const ZORMathVectorf& start, float radius, float startAngle, float endAngle)
      : center_(center),
        normal_(normal),
        start_(start),
        radius_(radius),
        startAngle_(startAngle),
        endAngle_(endAngle) {}

  const ZORMathPointf& GetCenter() const { return center_; }
  const ZORMathVectorf& GetNormal() const { return normal_; }
  const ZORMathVectorf& GetStartVector() const { return start_; }
  float GetRadius() const { return radius_; }
  float GetStartAngle() const { return startAngle_; }
  float GetEndAngle() const { return endAngle_; }

  // "arc(x,y,z normal=x,y,z start=x,y,z r=5 angles=0,4.71239)".
  std::string Describe() const override;

 private:
  ZORMathPointf center_;
  ZORMathVectorf normal_;
  ZORMathVectorf start_;
  float radius_;
  float startAngle_;
  float endAngle_;
};
