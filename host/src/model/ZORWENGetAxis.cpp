#include "ZORWENGetAxis.h"

#include "ZORFeature.h"

namespace {

bool PlaneOf(const ZORISpecObject_var& feature, ZORMathPlane& plane) {
  const ZORFeature* f = feature ? ZORFeature::From(feature.get()) : nullptr;
  const ZORBody_var body = f ? f->GetResultBody() : nullptr;
  return body && body->GetPlane(plane);
}

}  // namespace

HRESULT ZORWENGetAxis(const ZORISpecObject_var& support, const ZORISpecObject_var& reference,
                      ZORMathPlane& plane) {
  return PlaneOf(reference, plane) || PlaneOf(support, plane) ? S_OK : E_FAIL;
}
