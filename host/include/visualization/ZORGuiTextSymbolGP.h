#pragma once
// A text written in the 3D view at a point, read along a direction, with its two size values
// (6 and 3 for labels). AssociateText replaces what it says.

#include "ZOR3DAnnotationTextGP.h"
#include "ZORMathVectorf.h"
#include "ZORUnicodeString.h"

class ZORGuiTextSymbolGP : public ZOR3DAnnotationTextGP {
 public:
  ZORGuiTextSymbolGP(const ZORMathPointf& point, const ZORMathVectorf& direction, int height = 6,
                     int width = 3)
      : ZOR3DAnnotationTextGP(point, std::string()),
        direction_(direction),
        height_(height),
        width_(width) {}

  void AssociateText(const ZORUnicodeString& text) { SetText(text.str()); }
  const ZORMathVectorf& GetDirection() const { return direction_; }
  int GetHeight() const { return height_; }
  int GetWidth() const { return width_; }

 private:
  ZORMathVectorf direction_;
  int height_;
  int width_;
};
