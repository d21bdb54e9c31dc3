#include "ZORBody3DGeoVisuExt.h"

#include "ZOR3DGeomRep.h"
#include "ZORBody.h"
#include "ZORFaultGate.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORBody3DGeoVisuExt", "ZORI3DGeoVisu", ZORI3DGeoVisu::ClassIID(), "ZORBody",
                     &ZORExtensionCreator<ZORBody3DGeoVisuExt>});
  return true;
}();

}  // namespace

ZOR3DRep_var ZORBody3DGeoVisuExt::BuildRep() {
  if (ZOR3DRep* kept = GetRep()) return kept;
  auto* body = dynamic_cast<ZORBody*>(GetExtendedObject());
  if (!body || body->GetHighestDimension() < 0) return nullptr;
  if (!ZORFaultGate::Pass("ZORI3DGeoVisu::BuildRep")) return nullptr;
  return ZORMake<ZOR3DGeomRep>(*body);
}
