#pragma once
// The eye segment a mouse event over the 3D view carries (the notification's sent object):
// the line from the eye through the pointer, in the view's coordinates, and whether the button
// was pressed, and the path of what the pointer stands over (unset over empty space), picked by
// the current viewer when first asked: a move over a support that needs no pick costs none.
// Agents intersect the line with their support to find the point the user means.

#include "ZORMathLine.h"
#include "ZORMetaObject.h"
#include "ZORPathElement.h"

class ZORIndicationSegment : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORIndicationSegment, ZORBaseUnknown, ZORMetaObject::Implementation,
                    "Visualization")

  ZORIndicationSegment() = default;
  ZORIndicationSegment(const ZORMathLine& line, bool clicked) : line_(line), clicked_(clicked) {}

  //! The eye line under the pointer.
  const ZORMathLine& GetLine() const { return line_; }
  //! The eye point.
  const ZORMathPoint& GetOrigin() const { return line_.GetOrigin(); }
  //! Where the eye looks.
  const ZORMathVector& GetDirection() const { return line_.GetDirection(); }
  //! Whether the button was pressed (a click rather than a move).
  bool IsClick() const { return clicked_; }
  //! The nearest element the current viewer finds along the line, within its pick window;
  //! unset when there is none (or no editor).
  const ZORPathElement& GetPath() const;

 private:
  ZORMathLine line_;
  bool clicked_ = false;
  mutable bool picked_ = false;
  mutable ZORPathElement path_;
};
