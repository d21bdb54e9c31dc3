#include "ZORGmoUtilitiesGetCenter.h"

#include "ZORGmoTopologicalTools.h"

HRESULT ZORGmoUtilitiesGetCenter(const ZORBody_var& body, ZORMathPoint& centre) {
  return ZORGmoTopologicalTools::GetCenterOfGravity(body.get(), centre);
}
