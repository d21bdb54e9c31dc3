#include "ZORWENGetNormale.h"

#include "ZORFeature.h"

HRESULT ZORWENGetNormale(const ZORBaseUnknown_var& surface, ZORMathVector& normal) {
  const ZORFeature* feature = ZORFeature::From(surface.get());
  ZORBody_var body = feature ? feature->GetResultBody() : nullptr;
  ZORCell* face = body ? body->GetCellOfDimension(2, 1) : nullptr;
  if (!face) return E_FAIL;
  // The default point: the face's point nearest its centre of gravity.
  const ZORSurface* geometry = face->GetSurface();
  normal = geometry->Normal(geometry->ProjectPoint(geometry->GetCentroid())).Normalized();
  return S_OK;
}
