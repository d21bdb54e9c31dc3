#pragma once
// One axis of a local axis system: its origin and the direction of axis 1, 2 or 3. It is not a
// feature; a command that needs it as an input turns it into one (ZORIFeaturize).

#include "ZORMathAxis.h"
#include "ZORMathLine.h"
#include "ZORVar.h"

class ZORLocalAxis : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORLocalAxis, ZORBaseUnknown, ZORMetaObject::Implementation, "Geometry")

  //! Axis `index` (1, 2 or 3) of `system`; null for another index or a null direction.
  static ZORVar<ZORLocalAxis> Make(const ZORMathAxis& system, int index);

  //! Which axis of its system it is (1, 2 or 3).
  int GetIndex() const { return index_; }
  //! The line through the system's origin along the axis's unit direction.
  const ZORMathLine& GetLine() const { return line_; }

 private:
  ZORLocalAxis(int index, const ZORMathLine& line) : index_(index), line_(line) {}

  int index_;
  ZORMathLine line_;
};

using ZORLocalAxis_var = ZORVar<ZORLocalAxis>;
