#include "ZORMfGeomExt.h"

#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORMfGeomExt", "ZORIMfGeom", ZORIMfGeom::ClassIID(), "ZORFeature",
                     &ZORExtensionCreator<ZORMfGeomExt>});
  return true;
}();

}  // namespace

HRESULT ZORMfGeomExt::QueryInterface(const IID& iid, void** out) {
  if (iid != ZORIMfGeom::ClassIID()) return ZORFeatureExtension::QueryInterface(iid, out);
  const ZORFeature* feature = GetFeature();
  return AnswerIf<ZORIMfGeom>(this, feature && IsGeometric(*feature), iid, out);
}

int ZORMfGeomExt::IsAPlane() {
  ZORMathPlane plane;
  return SUCCEEDED(GetPlane(plane)) ? 1 : 0;
}

HRESULT ZORMfGeomExt::GetPlane(ZORMathPlane& plane) {
  const ZORFeature* feature = GetFeature();
  ZORBody_var body = feature ? feature->GetResultBody() : nullptr;
  return body && body->GetPlane(plane) ? S_OK : E_FAIL;
}
