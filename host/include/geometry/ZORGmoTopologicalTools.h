#pragma once
// Topological services on bodies, domains and cells: centres and removal from a factory.

#include "ZORBody.h"

class ZORGmoTopologicalTools {
 public:
  //! The centre of gravity: of a domain's or body's cells of highest dimension weighted by
  //! length or area, of a cell itself. E_FAIL (centre untouched) for null or nothing.
  static HRESULT GetCenterOfGravity(const ZORDomain* domain, ZORMathPoint& centre);
  static HRESULT GetCenterOfGravity(const ZORBody* body, ZORMathPoint& centre);
  static HRESULT GetCenterOfGravity(const ZORCell* cell, ZORMathPoint& centre);
  //! A point on the element at or near its middle, where a label can stand: a vertex's point,
  //! the point half way along an edge, the point of a face nearest to its centre of gravity;
  //! for a domain, that of its cell of highest dimension nearest to the domain's centre.
  static HRESULT EstimateCenter(const ZORDomain* domain, ZORMathPoint& centre);
  static HRESULT EstimateCenter(const ZORCell* cell, ZORMathPoint& centre);
  //! Takes `body` out of the factory that holds it: S_OK, S_FALSE when no factory holds it
  //! (removed already, or never in one), E_INVALIDARG for null.
  static HRESULT Remove(ZORBody* body);
};
