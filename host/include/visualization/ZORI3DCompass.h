#pragma once
// The 3D compass of an editor: where it stands and the normal of its plane (its third
// direction), which commands take as the direction the user shows.

#include "ZORMathAxis.h"
#include "ZORVar.h"

class ZORI3DCompass : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORI3DCompass)

  //! The compass's axis system.
  virtual ZORMathAxis GetPosition() = 0;
  //! The normal of its plane, unit.
  virtual ZORMathVector GetNormal() = 0;
};

ZOR_DEFINE_IID(ZORI3DCompass);
using ZORI3DCompass_var = ZORVar<ZORI3DCompass>;
