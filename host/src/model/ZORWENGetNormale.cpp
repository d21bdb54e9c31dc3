#include "ZORWENGetNormale.h"

#include "ZORFeature.h"

HRESULT ZORWENGetNormale(const ZORBaseUnknown_var& surface, ZORMathVector& normal) {
  const ZORFeature* feature = ZORFeature::From(surface.get());
  ZORBody_var body = feature ? feature->GetResultBody() : nullptr;
  ZORMathPlane plane;
  if (!body || !body->GetPlane(plane)) return E_FAIL;
  normal = plane.GetNormal().Normalized();
  return S_OK;
}
