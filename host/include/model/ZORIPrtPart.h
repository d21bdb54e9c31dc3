#pragma once
// The part of a document: the top of its feature tree, whose children are the tools.

#include "ZORVar.h"

class ZORIPrtPart : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIPrtPart)

  // The container that holds the part (it offers ZORIPrtContainer).
  virtual ZORBaseUnknown_var GetPartContainer() = 0;
};

ZOR_DEFINE_IID(ZORIPrtPart);
using ZORIPrtPart_var = ZORVar<ZORIPrtPart>;
