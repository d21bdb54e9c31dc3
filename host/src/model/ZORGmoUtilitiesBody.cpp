#include "ZORGmoUtilitiesBody.h"

#include "ZORFeature.h"
#include "ZORProtectedSection.h"

ZORBody_var ZORGmoUtilitiesBody::GetFirstBody(const ZORBaseUnknown_var& feature) {
  if (!ZORFaultGate::Pass("ZORGmoUtilitiesBody::GetFirstBody")) return nullptr;
  ZORFeature* f = ZORFeature::From(feature.get());
  if (!f) return nullptr;
  ZORIUpdateError_var updateError(static_cast<ZORBaseUnknown*>(f));
  ZORVar<ZORMfErrUpdate> error = updateError ? updateError->GetUpdateError() : nullptr;
  if (error) {
    if (ZORFaultGate::ProtectionDepth() > 0) ZORRaise(error->CloneSelf());
    return nullptr;
  }
  return f->GetResultBody();
}

int ZORGmoUtilitiesBody::IsInfinite(const ZORBaseUnknown_var& feature) {
  return GetHigherDimFromBody(GetFirstBody(feature)) == 2 ? 1 : 0;
}

int ZORGmoUtilitiesBody::GetHigherDimFromBody(const ZORBody_var& body) {
  return body ? body->GetHighestDimension() : -1;
}

int ZORGmoUtilitiesBody::GetGeometryType(const ZORBaseUnknown_var& feature) {
  ZORFeature* f = ZORFeature::From(feature.get());
  switch (f ? GetHigherDimFromBody(f->GetResultBody()) : -1) {
    case 0:
      return kPoint;
    case 1:
      return kCurve;
    case 2:
      return kSurface;
    default:
      return kNoGeometry;
  }
}
