#pragma once
// Colour of a feature whose geometry is of the mesh kind.

#include "ZORVar.h"

class ZORIMeshGraphicProperties : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMeshGraphicProperties)

  // Components within 0..255; E_INVALIDARG otherwise.
  virtual HRESULT SetColor(int red, int green, int blue) = 0;
  virtual HRESULT GetColor(int& red, int& green, int& blue) = 0;
};

ZOR_DEFINE_IID(ZORIMeshGraphicProperties);
using ZORIMeshGraphicProperties_var = ZORVar<ZORIMeshGraphicProperties>;
