#pragma once
// The edition service of an editor, handed to the multi-selection component's coherency check
// (which does not use it). Its operations come with the handles that activate edition.

#include "ZORVar.h"

class ZORIEdit : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIEdit)
};

ZOR_DEFINE_IID(ZORIEdit);
using ZORIEdit_var = ZORVar<ZORIEdit>;
