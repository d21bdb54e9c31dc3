#pragma once
// A knowledge parameter: a named value of a magnitude ("Longueur" for lengths, "Angle",
// "Real"), stored in model units, with an access value (0 free, 1 locked, others the host's).

#include "ZORISpecObject.h"

class ZORICkeParm : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORICkeParm)

  // The parameter's name is its display name.
  virtual ZORUnicodeString GetParmName() = 0;
  // E_FAIL for an empty name or while the parameter is locked (access 1).
  virtual HRESULT Rename(const ZORUnicodeString& name) = 0;
  virtual int GetAccess() = 0;
  virtual HRESULT SetAccess(int access) = 0;
  virtual ZORString GetMagnitude() = 0;
  virtual double GetStoredValue() = 0;
  // E_FAIL while the parameter is locked.
  virtual HRESULT Valuate(double value) = 0;
};

ZOR_DEFINE_IID(ZORICkeParm);
using ZORICkeParm_var = ZORVar<ZORICkeParm>;
