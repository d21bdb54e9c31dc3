#pragma once
// The visual properties of a feature, by property type: what is written is read back, and a
// reset gives the host default back.

#include "ZORVar.h"
#include "ZORVisPropertiesValues.h"
#include "ZORVisPropertyType.h"

class ZORIVisProperties : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIVisProperties)

  // Fills the field of `type` in `values`; the other fields are left as they are.
  virtual HRESULT GetPropertiesAtt(ZORVisPropertiesValues& values, ZORVisPropertyType type,
                                   int geometryType = 0) = 0;
  // Writes the field of `type` from `values`; E_INVALIDARG for an unknown type or a value out
  // of its range.
  virtual HRESULT SetPropertiesAtt(const ZORVisPropertiesValues& values, ZORVisPropertyType type,
                                   int geometryType = 0) = 0;
  // Gives the property of `type` its host default back (the further arguments are not used).
  virtual HRESULT ResetPropertiesAtt(ZORVisPropertyType type, int a = 1, int b = 0, int c = 0) = 0;
};

ZOR_DEFINE_IID(ZORIVisProperties);
using ZORIVisProperties_var = ZORVar<ZORIVisProperties>;
