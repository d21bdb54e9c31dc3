#include "ZORGeoFactory.h"

#include "ZORBodyBuilder.h"
#include "ZORFaultGate.h"
#include "ZORIGeometricContainer.h"
#include "ZORLine.h"

ZORVar<ZORGeoFactory> ZORGeoFactory::GetFactoryOf(ZORBaseUnknown* container) {
  ZORIGeometricContainer_var geometric(container);
  if (!geometric) return nullptr;
  return geometric->GetGeoFactory();
}

ZORGeoFactory::~ZORGeoFactory() {
  for (const ZORBody_var& body : bodies_) body->factory_ = nullptr;
}

ZORBody_var ZORGeoFactory::Keep(ZORBody_var body) {
  if (!body || !ZORFaultGate::Pass("ZORGeoFactory::Create")) return nullptr;
  body->factory_ = this;
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
  body->factory_ = this;
  bodies_.emplace_back(body);
  index_.emplace(body, std::prev(bodies_.end()));
  return S_OK;
}

HRESULT ZORGeoFactory::Remove(ZORBody* body) {
  auto it = body ? index_.find(body) : index_.end();
  if (it == index_.end()) return S_FALSE;
  if (!ZORFaultGate::Pass("ZORGeoFactory::Remove")) return E_FAIL;
  ZORBody_var removed = std::move(*it->second);
  removed->factory_ = nullptr;
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

ZORBody_var ZORGeoFactory::CreateWireThrough(const std::vector<ZORBody*>& points,
                                             ZORBaseUnknown* configuration) {
  if (!configuration || points.size() < 2) return nullptr;
  std::vector<ZORCurve_var> segments;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (!points[i] || points[i]->GetHighestDimension() != 0) return nullptr;
    if (i == 0) continue;
    const ZORMathPoint& a = points[i - 1]->GetVertices().front();
    const ZORMathPoint& b = points[i]->GetVertices().front();
    if (a.DistanceTo(b) < 1e-6) return nullptr;  // one point twice: no edge between
    segments.push_back(ZORMake<ZORLine>(a, b));
  }
  ZORBodyBuilder builder;
  builder.AddChain(segments, false);
  return Keep(builder.Finish());
}
