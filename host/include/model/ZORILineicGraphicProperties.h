#pragma once
// Colour, thickness and line type of a feature whose geometry is of the lineic kind.

#include "ZORVar.h"

class ZORILineicGraphicProperties : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORILineicGraphicProperties)

  // Components within 0..255; E_INVALIDARG otherwise.
  virtual HRESULT SetColor(int red, int green, int blue) = 0;
  virtual HRESULT GetColor(int& red, int& green, int& blue) = 0;
  // 1 (thin, continuous) and up; E_INVALIDARG below 1.
  virtual HRESULT SetThickness(int thickness) = 0;
  virtual HRESULT GetThickness(int& thickness) = 0;
  virtual HRESULT SetLineType(int lineType) = 0;
  virtual HRESULT GetLineType(int& lineType) = 0;
};

ZOR_DEFINE_IID(ZORILineicGraphicProperties);
using ZORILineicGraphicProperties_var = ZORVar<ZORILineicGraphicProperties>;
