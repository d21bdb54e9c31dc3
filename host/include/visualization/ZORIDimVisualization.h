#pragma once
// The dimensions shown with a wireframe or surface feature; they come from the provider it is
// given.

#include "ZORIDimProvider.h"

class ZORIDimVisualization : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIDimVisualization)

  virtual HRESULT SetDimProvider(const ZORIDimProvider_var& provider) = 0;
  virtual ZORIDimProvider_var GetDimProvider() = 0;
  // What the provider gives for this feature; empty without a provider.
  virtual HRESULT GetShownDimensions(ZORListValZORUnicodeString& dimensions) = 0;
};

ZOR_DEFINE_IID(ZORIDimVisualization);
using ZORIDimVisualization_var = ZORVar<ZORIDimVisualization>;
