#pragma once
// Conversion of a feature into datums: features that keep its current result as it is, without
// its inputs, so that later changes of those inputs leave them alone.

#include "ZORListValZORISpecObject_var.h"

class ZORIWENDatum : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENDatum)

  // Appends the datums made from the feature's result to `results`: new features of its
  // document, in no tool. The feature itself is left as it is. E_FAIL, appending nothing, for a
  // feature without a current result.
  virtual HRESULT ConvertToDatum(ZORListValZORISpecObject_var& results) = 0;
};

ZOR_DEFINE_IID(ZORIWENDatum);
using ZORIWENDatum_var = ZORVar<ZORIWENDatum>;
