#include "ZORDimVisualizationExt.h"

#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORDimVisualizationExt", "ZORIDimVisualization",
                     ZORIDimVisualization::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORDimVisualizationExt>});
  return true;
}();

}  // namespace

HRESULT ZORDimVisualizationExt::QueryInterface(const IID& iid, void** out) {
  if (iid != ZORIDimVisualization::ClassIID()) return ZORFeatureExtension::QueryInterface(iid, out);
  const ZORFeature* feature = GetFeature();
  return AnswerIf<ZORIDimVisualization>(this, feature && IsGeometric(*feature), iid, out);
}

HRESULT ZORDimVisualizationExt::SetDimProvider(const ZORIDimProvider_var& provider) {
  provider_ = provider;
  return S_OK;
}

HRESULT ZORDimVisualizationExt::GetShownDimensions(ZORListValZORUnicodeString& dimensions) {
  dimensions.RemoveAll();
  if (!provider_) return S_OK;
  return provider_->GetDimensions(ZORISpecObject_var(GetExtendedObject()), dimensions);
}
