#include "ZORCreateTopPointXYZ.h"

#include <cmath>

#include "ZORProtectedSection.h"

ZORBody_var ZORCreateTopPointXYZ(ZORGeoFactory* factory, ZORTopData* data, double x, double y,
                                 double z) {
  const bool finite = std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
  ZORBody_var body = factory && data && finite ? factory->CreatePoint({x, y, z}) : nullptr;
  if (!body && ZORFaultGate::ProtectionDepth() > 0) {
    auto* error = new ZORError();
    error->Setup(__FILE__, __LINE__);
    ZORRaise(error);
  }
  return body;
}
