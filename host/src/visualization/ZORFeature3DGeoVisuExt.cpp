#include "ZORFeature3DGeoVisuExt.h"

#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORFeature3DGeoVisuExt", "ZORI3DGeoVisu", ZORI3DGeoVisu::ClassIID(),
                     "ZORFeature", &ZORExtensionCreator<ZORFeature3DGeoVisuExt>});
  return true;
}();

}  // namespace

ZORI3DGeoVisu_var ZORFeature3DGeoVisuExt::BodyVisu() const {
  ZORFeature* feature = ZORFeature::From(GetExtendedObject());
  if (!feature) return nullptr;
  return ZORI3DGeoVisu_var(feature->GetResultBody().get());
}

ZOR3DRep_var ZORFeature3DGeoVisuExt::BuildRep() {
  ZORI3DGeoVisu_var visu = BodyVisu();
  return visu ? visu->BuildRep() : nullptr;
}

ZOR3DRep* ZORFeature3DGeoVisuExt::GiveRep() {
  ZORI3DGeoVisu_var visu = BodyVisu();
  return visu ? visu->GiveRep() : nullptr;
}

ZOR3DRep* ZORFeature3DGeoVisuExt::GetRep() {
  ZORI3DGeoVisu_var visu = BodyVisu();
  return visu ? visu->GetRep() : nullptr;
}

void ZORFeature3DGeoVisuExt::UnreferenceRep() {
  if (ZORI3DGeoVisu_var visu = BodyVisu()) visu->UnreferenceRep();
}
