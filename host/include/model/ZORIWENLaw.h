#pragma once
// A law of the surface workbench ("WENLaw"): its law is constant, linear or S-type, so that its
// extreme values are known without sampling it.

#include "ZORBaseUnknown.h"
#include "ZORVar.h"
#include "ZORWENBasicLawType.h"

class ZORIWENLaw : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENLaw)

  //! ZORWENConstantLaw, ZORWENLinearLaw or ZORWENSTypeLaw.
  virtual ZORWENBasicLawType GetBasicLawType() = 0;
};

ZOR_DEFINE_IID(ZORIWENLaw);
using ZORIWENLaw_var = ZORVar<ZORIWENLaw>;
