#pragma once
// The input description of features, read from the feature's inputs. Its mode says how a
// rebuilt feature treats its cached inputs (2: the feature stands alone, out of any group);
// it is kept by the extension, so it lasts as long as the feature.

#include "ZORBaseExtension.h"
#include "ZORIInputDescription.h"

class ZORMmrCacheInputDescriptionAdaptor : public ZORBaseExtension, public ZORIInputDescription {
  ZOR_DECLARE_CLASS(ZORMmrCacheInputDescriptionAdaptor, ZORBaseExtension,
                    ZORMetaObject::DataExtension, "MechanicalModeler")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIInputDescription)

  ZORMmrCacheInputDescriptionAdaptor() = default;

  HRESULT GetFeatureType(int& type) override;
  HRESULT GetListOfInputs(ZORListValZORBaseUnknown_var& inputs) override;
  HRESULT GetMainInput(ZORBaseUnknown_var& input) override;

  void SetMode(int mode) { mode_ = mode; }
  int GetMode() const { return mode_; }

 private:
  int mode_ = 0;
};
