#pragma once
// The container of a document's features.

#include "ZORIPrtPart.h"

class ZORIPrtContainer : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIPrtContainer)

  virtual ZORIPrtPart_var GetPart() = 0;
};

ZOR_DEFINE_IID(ZORIPrtContainer);
using ZORIPrtContainer_var = ZORVar<ZORIPrtContainer>;
