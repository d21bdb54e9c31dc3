#pragma once
// The feature factory of a document's container (the container itself answers it).

#include "ZORISpecObject.h"

class ZORIWENFactory : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENFactory)

  // The container the factory creates in (it offers ZORIPrtContainer, ZORIWENMultiSelFactory).
  virtual ZORBaseUnknown_var GetFactoryContainer() = 0;
  // A new feature of a registered type, nobody's child yet; null for an unknown type.
  virtual ZORISpecObject_var CreateFeatureOfType(const char* typeName) = 0;
};

ZOR_DEFINE_IID(ZORIWENFactory);
using ZORIWENFactory_var = ZORVar<ZORIWENFactory>;
