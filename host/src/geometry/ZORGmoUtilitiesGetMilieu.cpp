#include "ZORGmoUtilitiesGetMilieu.h"

#include "ZORWire.h"

HRESULT ZORGmoUtilitiesGetMilieu(const ZORBody_var& body, ZORMathPoint& middle,
                                 ZORMathVector& direction) {
  ZORWire_var wire = body ? ZORWire::FromBody(*body) : nullptr;
  if (!wire) return E_FAIL;
  wire->PointAtLength(wire->GetLength() / 2.0, middle, direction);
  return S_OK;
}
