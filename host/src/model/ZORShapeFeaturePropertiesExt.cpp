#include "ZORShapeFeaturePropertiesExt.h"

#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"
#include "ZORMecModServices.h"
#include "ZORSpecObjectOf.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORShapeFeaturePropertiesExt", "ZORIShapeFeatureProperties",
                     ZORIShapeFeatureProperties::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORShapeFeaturePropertiesExt>});
  return true;
}();

}  // namespace

HRESULT ZORShapeFeaturePropertiesExt::QueryInterface(const IID& iid, void** out) {
  if (iid == ZORIShapeFeatureProperties::ClassIID()) {
    ZORFeature* feature = GetFeature();
    const bool suits = feature && ZORMecModServices::IsShapeBody(ZORSpecObjectOf(feature));
    return AnswerIf<ZORIShapeFeatureProperties>(this, suits, iid, out);
  }
  return ZORFeatureExtension::QueryInterface(iid, out);
}

int ZORShapeFeaturePropertiesExt::IsCurrentItself() {
  ZORFeature* body = GetFeature();
  if (!body) return 0;
  return body->IsCurrentItself() || body->GetChildren().empty() ? 1 : 0;
}

HRESULT ZORShapeFeaturePropertiesExt::SetCurrentItself(int itself) {
  ZORFeature* body = GetFeature();
  if (!body) return E_FAIL;
  body->SetCurrentItself(itself != 0);
  return S_OK;
}

ZORISpecObject_var ZORShapeFeaturePropertiesExt::GetDesignatedFeature() {
  ZORFeature* body = GetFeature();
  if (!body || body->GetChildren().empty()) return nullptr;
  return ZORSpecObjectOf(body->GetChildren().back().get());
}
