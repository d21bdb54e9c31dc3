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
  // A single straight segment: its ends are its vertices and its tangent its direction, which
  // needs none of its cells.
  ZORMathLine line;
  double start = 0.0, end = 0.0;
  if (body->GetLine(line, start, end) && body->GetVertices().size() == 2) {
    point = body->GetVertices()[where == kZORTangentAtStart ? 0 : 1];
    tangent = line.GetDirection().Normalized();
    return S_OK;
  }
  ZORWire_var wire = ZORWire::FromBody(*body);
  if (!wire) return E_FAIL;
  const std::size_t last = wire->GetPieces().size() - 1;
  point = where == kZORTangentAtStart ? wire->StartOf(0) : wire->EndOf(last);
  const ZORMathVector along =
      where == kZORTangentAtStart ? wire->StartTangentOf(0) : wire->EndTangentOf(last);
  tangent = along.Norm() > 0.0 ? along.Normalized() : defaultDirection.Normalized();
  return S_OK;
}
