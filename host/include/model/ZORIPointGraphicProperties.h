#pragma once
// Colour of a feature whose geometry is of the point kind.

#include "ZORVar.h"

class ZORIPointGraphicProperties : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIPointGraphicProperties)

  // Components within 0..255; E_INVALIDARG otherwise.
  virtual HRESULT SetColor(int red, int green, int blue) = 0;
  virtual HRESULT GetColor(int& red, int& green, int& blue) = 0;
};

ZOR_DEFINE_IID(ZORIPointGraphicProperties);
using ZORIPointGraphicProperties_var = ZORVar<ZORIPointGraphicProperties>;
