#pragma once
// A law feature: a value along a parameter t of [0, 1] ("WENLaw" and "CkeLaw" features).

#include "ZORLaw.h"

class ZORICkeLaw : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORICkeLaw)

  //! The law it defines. A feature in error cannot give one: inside a protected section its
  //! update error is raised, outside the answer is null.
  virtual ZORLaw_var GetEvaluableLaw() = 0;
};

ZOR_DEFINE_IID(ZORICkeLaw);
using ZORICkeLaw_var = ZORVar<ZORICkeLaw>;
