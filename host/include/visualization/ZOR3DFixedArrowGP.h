#pragma once
// An arrow of fixed size on the screen, from a point along a direction: its length and its
// head's size are in pixels, so it reads the same at any zoom. A text may be written on it.

#include <string>

#include "ZORGraphicPrimitive.h"
#include "ZORMathPointf.h"
#include "ZORMathVectorf.h"
#include "ZORUnicodeString.h"

class ZOR3DFixedArrowGP : public ZORGraphicPrimitive {
 public:
  ZOR3DFixedArrowGP(const ZORMathPointf& point, const ZORMathVectorf& direction, int length,
                    int headSize)
      : point_(point), direction_(direction), length_(length), headSize_(headSize) {}

  const ZORMathPointf& GetPoint() const { return point_; }
  const ZORMathVectorf& GetDirection() const { return direction_; }
  int GetLength() const { return length_; }
  int GetHeadSize() const { return headSize_; }
  void AssociateText(const ZORUnicodeString& text) { text_ = text; }
  const ZORUnicodeString& GetText() const { return text_; }

  // "arrow(x,y,z dir=x,y,z size=15,5)", with ` "text"` when one is written on it.
  std::string Describe() const override;

 private:
  ZORMathPointf point_;
  ZORMathVectorf direction_;
  int length_;
  int headSize_;
  ZORUnicodeString text_;
};
