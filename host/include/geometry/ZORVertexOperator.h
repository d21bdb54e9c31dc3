#pragma once
// An operator that builds a vertex body at a point in a geometric factory: made with its
// inputs, run once, its result read afterwards.

#include "ZORGeoFactory.h"
#include "ZORTopData.h"

class ZORVertexOperator {
 public:
  //! An operator building at `point` in `factory`; the topological data adds nothing to a
  //! vertex here and may be null.
  ZORVertexOperator(ZORGeoFactory* factory, ZORTopData* /*data*/, const ZORMathPoint& point)
      : factory_(factory), point_(point) {}

  //! Builds the vertex: E_FAIL without a factory, for a point that is not finite, or when the
  //! factory fails.
  HRESULT Run();
  //! The vertex body built by Run; null before or after a failure.
  ZORBody_var GetResult() const { return result_; }

 private:
  ZORGeoFactory* factory_;
  ZORMathPoint point_;
  ZORBody_var result_;
};
