#pragma once
// The feature factory of a document's container (the container itself answers it).

#include "ZORICkeParm.h"
#include "ZORISpecObject.h"
#include "ZORIWENPositionTransfo.h"
#include "ZORMathVector.h"

class ZORIWENFactory : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENFactory)

  // The container the factory creates in (it offers ZORIPrtContainer, ZORIWENMultiSelFactory).
  virtual ZORBaseUnknown_var GetFactoryContainer() = 0;
  // A new feature of a registered type, nobody's child yet; null for an unknown type.
  virtual ZORISpecObject_var CreateFeatureOfType(const char* typeName) = 0;
  // The creations below make a feature of this container's document, nobody's child yet, with
  // the given inputs; null (nothing left behind) when an input is missing or refused. Null
  // inputs are allowed where said.
  //! A point on `support` from `origin` (null: the support's centre) along `direction`, at the
  // length of `length` measured on the surface ("WENPointOnSurface").
  virtual ZORISpecObject_var CreatePointOnSurface(const ZORISpecObject_var& support,
                                                  const ZORISpecObject_var& origin,
                                                  const ZORMathVector& direction,
                                                  const ZORICkeParm_var& length) = 0;
  //! A point on the plane `support` at `h`, `v` from `origin` (null: the plane's origin)
  // ("WENPointOnPlane").
  virtual ZORISpecObject_var CreatePointOnPlane(const ZORISpecObject_var& support,
                                                const ZORISpecObject_var& origin,
                                                const ZORICkeParm_var& h,
                                                const ZORICkeParm_var& v) = 0;
  //! A line through `point` along the direction `reference` gives there, from the length `start`
  // to the length `end` ("WENAxisLine").
  virtual ZORISpecObject_var CreateLine(const ZORISpecObject_var& point,
                                        const ZORISpecObject_var& reference,
                                        const ZORICkeParm_var& start,
                                        const ZORICkeParm_var& end) = 0;
  //! A new position transformation, mode 0, with its literals "XPos", "YPos" (lengths) and
  // "AnglePos" (an angle) at 0 and its origins given by picked points ("WENPositionTransfo").
  virtual ZORIWENPositionTransfo_var CreatePositionTransfo() = 0;
};

ZOR_DEFINE_IID(ZORIWENFactory);
using ZORIWENFactory_var = ZORVar<ZORIWENFactory>;
