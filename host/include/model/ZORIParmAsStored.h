#pragma once
// A knowledge parameter's value as stored: lengths in mm, angles in degrees, no unit
// conversion. Writing refuses, with E_FAIL and the value kept, NaN, infinity, a locked
// parameter and a value of another magnitude.

#include "ZORBaseUnknown.h"
#include "ZORString.h"

class ZORIParmAsStored : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIParmAsStored)

  //! The stored value.
  virtual double GetValueAsStored() = 0;
  //! Writes the stored value; the change is published to the parameter's subscribers.
  virtual HRESULT SetValueAsStored(double value) = 0;
  //! Writes a value of magnitude `magnitude`: E_FAIL unless it is the parameter's.
  virtual HRESULT SetValueOfMagnitude(double value, const ZORString& magnitude) = 0;
};

ZOR_DEFINE_IID(ZORIParmAsStored);
using ZORIParmAsStored_var = ZORVar<ZORIParmAsStored>;
