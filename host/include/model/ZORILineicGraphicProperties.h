#pragma once
// Colour of a feature whose geometry is of the lineic kind.

#include "ZORVar.h"

class ZORILineicGraphicProperties : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORILineicGraphicProperties)

  // Components within 0..255; E_INVALIDARG otherwise.
  virtual HRESULT SetColor(int red, int green, int blue) = 0;
  virtual HRESULT GetColor(int& red, int& green, int& blue) = 0;
};

ZOR_DEFINE_IID(ZORILineicGraphicProperties);
using ZORILineicGraphicProperties_var = ZORVar<ZORILineicGraphicProperties>;
