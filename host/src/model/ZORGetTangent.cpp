#include "ZORGetTangent.h"

#include "ZORFeature.h"

HRESULT GetTangent(const ZORBaseUnknown_var& curve, int where,
                   const ZORMathVector& defaultDirection, ZORMathPoint& point,
                   ZORMathVector& tangent) {
  if (where != kZORTangentAtStart && where != kZORTangentAtEnd) return E_INVALIDARG;
  const ZORFeature* feature = ZORFeature::From(curve.get());
  ZORBody_var body = feature ? feature->GetResultBody() : nullptr;
  if (!body || body->GetHighestDimension() != 1) return E_FAIL;
  const ZORMathPoint& start = body->GetVertices()[0];
  const ZORMathPoint& end = body->GetVertices()[1];
  const ZORMathVector along = end - start;
  point = where == kZORTangentAtStart ? start : end;
  tangent = along.Norm() > 0.0 ? along.Normalized() : defaultDirection.Normalized();
  return S_OK;
}
