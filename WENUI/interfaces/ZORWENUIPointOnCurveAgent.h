#pragma once
//! \class ZORWENUIPointOnCurveAgent
//! A feature agent that takes only points lying on a given curve: a point feature, a vertex of a
//! result, or a bare geometric point (made into a vertex in the agent's geometric factory to be
//! measured). A curve of several disjoint pieces takes no point.

#include "ZORBody.h"
#include "ZORGeoFactory.h"
#include "ZORISpecObject.h"
#include "ZORPoint.h"
#include "ZORTopData.h"
#include "ZORWENUIFeatureAgent.h"

class ZORWENUIPointOnCurveAgent : public ZORWENUIFeatureAgent {
  ZOR_DECLARE_CLASS(ZORWENUIPointOnCurveAgent, ZORWENUIFeatureAgent, ZORMetaObject::Implementation,
                    "WENUI")

  //! The feature agent's constructors, unchanged; the curve comes with SetCurve.
  using ZORWENUIFeatureAgent::ZORWENUIFeatureAgent;
  //! Nothing of its own to release.
  ~ZORWENUIPointOnCurveAgent() override;

  //! The curve picked points must lie on.
  void SetCurve(const ZORISpecObject_var& curve);
  //! The geometric factory of the feature's container (none for a null feature), where bare
  //! points are made into vertices.
  void SetFactory(const ZORISpecObject_var& feature);
  //! Accepts a path designating a point that lies on the curve.
  bool ExtraCheckPath(ZORPathElement* path, int mode) override;
  //! A vertex body at the point, in the agent's factory. Fails, with a null body, without a
  //! point or factory or when the vertex cannot be made.
  HRESULT CreateVertexSilently(const ZORVar<ZORPoint>& point, ZORBody_var& vertex);

 private:
  //! The body of the point `path` designates; null when it designates none. `made` tells a
  //! vertex made for a bare point, which the caller removes once measured.
  ZORBody_var PointBody(const ZORPathElement& path, bool& made);

  ZORISpecObject_var curve_;
  ZORGeoFactory_var factory_;
  ZORTopData data_;
};
