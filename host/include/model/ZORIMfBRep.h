#pragma once
// A boundary-representation feature: the result of another feature (its support) as picked. Two
// picks of the same support relate to each other.

#include "ZORISpecObject.h"

class ZORIMfBRep : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIMfBRep)

  // The feature whose result this one designates.
  virtual ZORISpecObject_var GetSupport() = 0;
  // 1 when `other` is a BRep feature on the same support with the same geometry.
  virtual int IsRelatedTo(const ZORBaseUnknown_var& other) = 0;
  // The dimension of the designated body, -1 when there is none.
  virtual int GetBRepDimension() = 0;
};

ZOR_DEFINE_IID(ZORIMfBRep);
using ZORIMfBRep_var = ZORVar<ZORIMfBRep>;
