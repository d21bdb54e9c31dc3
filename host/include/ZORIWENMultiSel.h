#pragma once
// A multi-selection feature: one command's inputs gathered in two lists, with one result per
// input entry. Its operations come with the multi-selection model; commands test for it.

#include "ZORVar.h"

class ZORIWENMultiSel : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENMultiSel)
};

ZOR_DEFINE_IID(ZORIWENMultiSel);
using ZORIWENMultiSel_var = ZORVar<ZORIWENMultiSel>;
