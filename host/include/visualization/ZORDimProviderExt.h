#pragma once
// The dimension provider of a document's container ("ZORFeatCont").

#include "ZORBaseExtension.h"
#include "ZORIDimProvider.h"

class ZORDimProviderExt : public ZORBaseExtension, public ZORIDimProvider {
  ZOR_DECLARE_CLASS(ZORDimProviderExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIDimProvider)

  ZORDimProviderExt() = default;

  HRESULT GetDimensions(const ZORISpecObject_var& feature,
                        ZORListValZORUnicodeString& dimensions) override;
};
