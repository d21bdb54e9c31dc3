#pragma once
// Offered by a document's container: the dimensions (the driving values) of its features, as
// the viewer writes them beside a feature.

#include "ZORISpecObject.h"
#include "ZORListValZORUnicodeString.h"

class ZORIDimProvider : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIDimProvider)

  // One "name=value" text per value of `feature`, by name. E_FAIL for a feature of another
  // document or an object that is not a feature.
  virtual HRESULT GetDimensions(const ZORISpecObject_var& feature,
                                ZORListValZORUnicodeString& dimensions) = 0;
};

ZOR_DEFINE_IID(ZORIDimProvider);
using ZORIDimProvider_var = ZORVar<ZORIDimProvider>;
