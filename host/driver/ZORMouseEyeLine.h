#pragma once
// What the 3D view sends with a mouse event over the model: the eye line under the pointer (in
// the view's coordinates) and whether the button was pressed. Work-on-support agents intersect
// it with their support to find the point the user means.

#include "ZORMathLine.h"
#include "ZORMetaObject.h"

class ZORMouseEyeLine : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORMouseEyeLine, ZORBaseUnknown, ZORMetaObject::Implementation, "Driver")

  ZORMouseEyeLine() = default;
  ZORMouseEyeLine(const ZORMathLine& line, bool clicked) : line_(line), clicked_(clicked) {}

  const ZORMathLine& GetLine() const { return line_; }
  bool IsClick() const { return clicked_; }

 private:
  ZORMathLine line_;
  bool clicked_ = false;
};
