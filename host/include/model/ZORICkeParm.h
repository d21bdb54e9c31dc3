#pragma once
// A knowledge parameter: a named value of a magnitude ("Longueur" for lengths, "Angle",
// "Real"), stored in model units, with an access value (0 free, 1 locked, others the host's).

#include "ZORCke.h"
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
  // E_FAIL, keeping the value, while the parameter is locked or for NaN or infinity. A new
  // value is published to the subscribers of the parameter's change events.
  virtual HRESULT Valuate(double value) = 0;
  // An inactive parameter keeps its value; its editors are insensitive.
  virtual HRESULT SetActivated(ZORCke::Boolean activated) = 0;
  virtual ZORCke::Boolean IsActivated() = 0;
};

ZOR_DEFINE_IID(ZORICkeParm);
using ZORICkeParm_var = ZORVar<ZORICkeParm>;
