#include "ZORFeatureExtension.h"

#include "ZORFeature.h"
#include "ZORFeatureTypeRegistry.h"

namespace {

bool IsSubTypeOf(const ZORFeature& feature, const char* base) {
  return ZORFeatureTypeRegistry::Get().IsSubTypeOf(feature.GetFeatureType(), base);
}

}  // namespace

ZORFeature* ZORFeatureExtension::GetFeature() const {
  return ZORFeature::From(GetExtendedObject());
}

bool ZORFeatureExtension::IsGeometric(const ZORFeature& feature) {
  return IsSubTypeOf(feature, "GeometricalElement3D");
}

bool ZORFeatureExtension::IsTool(const ZORFeature& feature) {
  return IsSubTypeOf(feature, "Tool");
}

bool ZORFeatureExtension::IsMultiSel(const ZORFeature& feature) {
  return feature.GetFeatureType().Offers(ZORIWENMultiSel::ClassIID());
}

bool ZORFeatureExtension::IsPlaceable(const ZORFeature& feature) {
  const ZORFeatureType& type = feature.GetFeatureType();
  // What is shown in the tree has visual properties; picks (BRep features) and parameters do not.
  return type.Offers(ZORIVisProperties::ClassIID()) && !type.Offers(ZORIPrtPart::ClassIID()) &&
         !IsTool(feature);
}
