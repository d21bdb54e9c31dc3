#pragma once
// Journal entries of the points made on a working support: one line per creation, written
// when the workbench journal is active ("CreationPointOnSurface Point.3").

#include "ZORISpecObject.h"

class ZORWenPointJournaling {
 public:
  //! Logs a point made on a surface; false (nothing logged) when the journal is off or the
  //! point is null.
  static bool CreationPointOnSurface(const ZORISpecObject_var& point);
  //! Logs a point made on a plane, likewise.
  static bool CreationPointOnPlane(const ZORISpecObject_var& point);

 private:
  static bool Creation(const char* kind, const ZORISpecObject_var& point);
};
