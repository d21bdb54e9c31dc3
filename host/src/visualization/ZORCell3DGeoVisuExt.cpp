#include "ZORCell3DGeoVisuExt.h"

#include "ZOR3DGeomRep.h"
#include "ZORCell.h"
#include "ZORFaultGate.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORCell3DGeoVisuExt", "ZORI3DGeoVisu", ZORI3DGeoVisu::ClassIID(), "ZORCell",
                     &ZORExtensionCreator<ZORCell3DGeoVisuExt>});
  return true;
}();

}  // namespace

ZOR3DRep_var ZORCell3DGeoVisuExt::BuildRep() {
  if (ZOR3DRep* kept = GetRep()) return kept;
  auto* cell = dynamic_cast<ZORCell*>(GetExtendedObject());
  if (!cell) return nullptr;
  if (!ZORFaultGate::Pass("ZORI3DGeoVisu::BuildRep")) return nullptr;
  return ZORMake<ZOR3DGeomRep>(*cell);
}
