#pragma once
// The arrow of the handles (translators, rotators): a fixed-size arrow whose two sizes and two
// further values (0 for a plain arrow) are the platform's arguments.

#include "ZOR3DFixedArrowGP.h"

class ZORStFixedArrowGP : public ZOR3DFixedArrowGP {
 public:
  ZORStFixedArrowGP(const ZORMathPointf& point, const ZORMathVectorf& direction, int length,
                    int headSize, int form = 0, int anchor = 0)
      : ZOR3DFixedArrowGP(point, direction, length, headSize), form_(form), anchor_(anchor) {}

  int GetForm() const { return form_; }
  int GetAnchor() const { return anchor_; }

 private:
  int form_;
  int anchor_;
};
