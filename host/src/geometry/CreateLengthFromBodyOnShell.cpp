#include "CreateLengthFromBodyOnShell.h"

namespace {

constexpr double kOnShellTolerance = 1e-6;

}  // namespace

HRESULT CreateLengthFromBodyOnShell(ZORGeoFactory* factory, ZORTopData* /*data*/,
                                    const ZORBody* shell, const ZORMathPoint& origin,
                                    const ZORBody* vertex, double& length) {
  if (!factory || !shell || !vertex || vertex->GetHighestDimension() != 0) return E_FAIL;
  const ZORMathPoint& point = vertex->GetVertices().front();
  for (const ZORCell_var& cell : shell->GetCells()) {
    const ZORSurface* surface = cell->GetSurface();
    if (!surface || !surface->Contains(point, kOnShellTolerance)) continue;
    return surface->LengthOnSurface(surface->ProjectPoint(origin), point, kOnShellTolerance,
                                    length);
  }
  return E_FAIL;
}
