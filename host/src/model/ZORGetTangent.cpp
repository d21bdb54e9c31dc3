#include "ZORGetTangent.h"

#include "ZORFeature.h"
#include "ZORWire.h"

HRESULT GetTangent(const ZORBaseUnknown_var& curve, int where,
                   const ZORMathVector& defaultDirection, ZORMathPoint& point,
                   ZORMathVector& tangent) {
  if (where != kZORTangentAtStart && where != kZORTangentAtEnd) return E_INVALIDARG;
  const ZORFeature* feature = ZORFeature::From(curve.get());
  ZORBody_var body = feature ? feature->GetResultBody() : nullptr;
  if (!body || body->GetHighestDimension() != 1) return E_FAIL;
  ZORWire_var wire = ZORWire::FromBody(*body);
  if (!wire) return E_FAIL;
  const std::size_t last = wire->GetPieces().size() - 1;
  point = where == kZORTangentAtStart ? wire->StartOf(0) : wire->EndOf(last);
  const ZORMathVector along =
      where == kZORTangentAtStart ? wire->StartTangentOf(0) : wire->EndTangentOf(last);
  tangent = along.Norm() > 0.0 ? along.Normalized() : defaultDirection.Normalized();
  return S_OK;
}
