#pragma once
// The dimensions shown with wireframe and surface features (ZORIDimVisualization). The
// extension lives as long as its feature and keeps the provider it was given.

#include "ZORFeatureExtension.h"
#include "ZORIDimVisualization.h"

class ZORDimVisualizationExt : public ZORFeatureExtension, public ZORIDimVisualization {
  ZOR_DECLARE_CLASS(ZORDimVisualizationExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")

  ZORDimVisualizationExt() = default;
  HRESULT QueryInterface(const IID& iid, void** out) override;

  HRESULT SetDimProvider(const ZORIDimProvider_var& provider) override;
  ZORIDimProvider_var GetDimProvider() override { return provider_; }
  HRESULT GetShownDimensions(ZORListValZORUnicodeString& dimensions) override;

 private:
  ZORIDimProvider_var provider_;
};
