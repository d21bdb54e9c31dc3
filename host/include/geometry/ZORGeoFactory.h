#pragma once
// The geometric factory of a document: it holds the bodies built in it (results, previews,
// temporary geometry) until they are removed. It holds a reference on each body; removing a
// body lets go of it, and a caller that still holds the body keeps it alive but no longer
// finds it in the factory. Reached from the document's container (ZORIGeometricContainer).

#include <list>
#include <unordered_map>
#include <vector>

#include "ZORBody.h"
#include "ZORVar.h"

class ZORGeoFactory : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORGeoFactory, ZORBaseUnknown, ZORMetaObject::Implementation, "Geometry")

  ZORGeoFactory() = default;
  ~ZORGeoFactory() override;

  // The factory of a container (the document's "ZORFeatCont" feature, or anything that offers
  // ZORIGeometricContainer); null for another object.
  static ZORVar<ZORGeoFactory> GetFactoryOf(ZORBaseUnknown* container);

  // New bodies in this factory; null when "ZORGeoFactory::Create" fails.
  ZORBody_var CreatePoint(const ZORMathPoint& point);
  ZORBody_var CreateSegment(const ZORMathPoint& start, const ZORMathPoint& end);
  ZORBody_var CreatePlane(const ZORMathPlane& plane);
  // Takes a body built elsewhere in: S_OK, S_FALSE when it is in already, E_INVALIDARG for
  // null, E_FAIL when "ZORGeoFactory::AddBody" fails.
  HRESULT AddBody(ZORBody* body);

  // Takes the body out: S_OK, S_FALSE when it is not in this factory (never added, or removed
  // already), E_FAIL when "ZORGeoFactory::Remove" fails (the body stays).
  HRESULT Remove(ZORBody* body);
  int IsInFactory(const ZORBody* body) const { return body && index_.count(body) != 0; }
  int GetBodyCount() const { return static_cast<int>(index_.size()); }
  // The bodies, in the order they entered.
  std::vector<ZORBody*> GetBodies() const;

  //! A wire body through the vertices of at least two point bodies, in order, held by this
  //! factory; null for fewer points, a body that is not a point, two consecutive points that
  //! coincide, or a null configuration (the build runs in the configuration it is given).
  ZORBody_var CreateWireThrough(const std::vector<ZORBody*>& points, ZORBaseUnknown* configuration);

  // A bound on lengths in the model (positive): how far handles may be dragged.
  double GetModelSize() const { return modelSize_; }
  // Sizes that are not positive are refused.
  void SetModelSize(double size) {
    if (size > 0.0) modelSize_ = size;
  }

 private:
  ZORBody_var Keep(ZORBody_var body);

  std::list<ZORBody_var> bodies_;
  std::unordered_map<const ZORBody*, std::list<ZORBody_var>::iterator> index_;
  double modelSize_ = 1000000.0;
};

using ZORGeoFactory_var = ZORVar<ZORGeoFactory>;
