#include "ZORGmoTopologicalTools.h"

#include <limits>

#include "ZORGeoFactory.h"

HRESULT ZORGmoTopologicalTools::GetCenterOfGravity(const ZORDomain* domain, ZORMathPoint& centre) {
  if (!domain || domain->GetCells().empty()) return E_FAIL;
  centre = domain->GetCenterOfGravity();
  return S_OK;
}

HRESULT ZORGmoTopologicalTools::GetCenterOfGravity(const ZORBody* body, ZORMathPoint& centre) {
  if (!body || !body->HasGeometry()) return E_FAIL;
  centre = body->GetCenterOfGravity();
  return S_OK;
}

HRESULT ZORGmoTopologicalTools::GetCenterOfGravity(const ZORCell* cell, ZORMathPoint& centre) {
  if (!cell) return E_FAIL;
  centre = cell->GetCenterOfGravity();
  return S_OK;
}

HRESULT ZORGmoTopologicalTools::EstimateCenter(const ZORCell* cell, ZORMathPoint& centre) {
  if (!cell) return E_FAIL;
  if (const ZORCurve* curve = cell->GetCurve()) {
    centre = curve->Eval(curve->ParamAtLength(curve->GetLength() / 2.0));
  } else if (const ZORSurface* surface = cell->GetSurface()) {
    centre = surface->ProjectPoint(surface->GetCentroid());
  } else {
    centre = cell->GetCenterOfGravity();
  }
  return S_OK;
}

HRESULT ZORGmoTopologicalTools::EstimateCenter(const ZORDomain* domain, ZORMathPoint& centre) {
  ZORMathPoint gravity;
  if (FAILED(GetCenterOfGravity(domain, gravity))) return E_FAIL;
  const int highest = domain->GetHighestDimension();
  double nearest = std::numeric_limits<double>::infinity();
  for (const ZORCell_var& cell : domain->GetCells()) {
    ZORMathPoint middle;
    if (cell->GetDimension() != highest || FAILED(EstimateCenter(cell.get(), middle))) continue;
    if (middle.DistanceTo(gravity) < nearest) {
      nearest = middle.DistanceTo(gravity);
      centre = middle;
    }
  }
  return S_OK;
}

HRESULT ZORGmoTopologicalTools::Remove(ZORBody* body) {
  if (!body) return E_INVALIDARG;
  ZORGeoFactory* factory = body->GetFactory();
  return factory ? factory->Remove(body) : S_FALSE;
}
