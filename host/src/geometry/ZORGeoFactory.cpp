#include "ZORGeoFactory.h"

#include "ZORFaultGate.h"
#include "ZORIGeometricContainer.h"

ZORVar<ZORGeoFactory> ZORGeoFactory::GetFactoryOf(ZORBaseUnknown* container) {
  ZORIGeometricContainer_var geometric(container);
  if (!geometric) return nullptr;
  return geometric->GetGeoFactory();
}

ZORBody_var ZORGeoFactory::Keep(ZORBody_var body) {
  if (!ZORFaultGate::Pass("ZORGeoFactory::Create")) return nullptr;
  bodies_.push_back(body);
  index_.emplace(body.get(), std::prev(bodies_.end()));
  return body;
}

ZORBody_var ZORGeoFactory::CreatePoint(const ZORMathPoint& point) {
  return Keep(ZORBody::MakePoint(point));
}

ZORBody_var ZORGeoFactory::CreateSegment(const ZORMathPoint& start, const ZORMathPoint& end) {
  return Keep(ZORBody::MakeSegment(start, end));
}

ZORBody_var ZORGeoFactory::CreatePlane(const ZORMathPlane& plane) {
  return Keep(ZORBody::MakePlane(plane));
}

HRESULT ZORGeoFactory::AddBody(ZORBody* body) {
  if (!body) return E_INVALIDARG;
  if (IsInFactory(body)) return S_FALSE;
  if (!ZORFaultGate::Pass("ZORGeoFactory::AddBody")) return E_FAIL;
  bodies_.emplace_back(body);
  index_.emplace(body, std::prev(bodies_.end()));
  return S_OK;
}

HRESULT ZORGeoFactory::Remove(ZORBody* body) {
  auto it = body ? index_.find(body) : index_.end();
  if (it == index_.end()) return S_FALSE;
  if (!ZORFaultGate::Pass("ZORGeoFactory::Remove")) return E_FAIL;
  ZORBody_var removed = std::move(*it->second);
  bodies_.erase(it->second);
  index_.erase(it);
  return S_OK;  // `removed` lets go last: the body may die here
}

std::vector<ZORBody*> ZORGeoFactory::GetBodies() const {
  std::vector<ZORBody*> bodies;
  bodies.reserve(bodies_.size());
  for (const ZORBody_var& body : bodies_) bodies.push_back(body.get());
  return bodies;
}
