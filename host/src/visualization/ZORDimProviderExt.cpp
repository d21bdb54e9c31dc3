#include "ZORDimProviderExt.h"

#include <cstdio>

#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORDimProviderExt", "ZORIDimProvider", ZORIDimProvider::ClassIID(),
                     "ZORFeatCont", &ZORExtensionCreator<ZORDimProviderExt>});
  return true;
}();

}  // namespace

HRESULT ZORDimProviderExt::GetDimensions(const ZORISpecObject_var& feature,
                                         ZORListValZORUnicodeString& dimensions) {
  const ZORFeature* container = ZORFeature::From(GetExtendedObject());
  const ZORFeature* f = ZORFeature::From(feature.get());
  if (!container || !f || f->GetDocument() != container->GetDocument()) return E_FAIL;
  for (const auto& [name, value] : f->GetValues()) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    dimensions.Append(ZORUnicodeString(name + "=" + text));
  }
  return S_OK;
}
