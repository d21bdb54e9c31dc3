#include "ZORCellBRep.h"

#include <algorithm>

#include "ZORBRepAccessExt.h"
#include "ZORBodyBuilder.h"
#include "ZORDocument.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORIGeometricalElement.h"
#include "ZORIMfBRep.h"
#include "ZORInterfaceDictionary.h"

namespace {

constexpr const char* kTypeNames[] = {"BRepVertex", "BRepEdge", "BRepFace"};

bool ComputeCellBRep(const ZORFeature& f, ZORBody_var& body, std::string& diagnostic) {
  ZORBody_var support = ZORFeatureGeometry::Body(f, "Support", -1, diagnostic);
  if (!support) return false;
  const int number = static_cast<int>(f.GetValue("Cell"));
  const ZORCell* cell = support->GetCell(number);
  if (!cell || ZORCellBRep::TypeName(cell->GetDimension()) != f.GetFeatureType().GetName()) {
    diagnostic = "The support's result has no such cell " + std::to_string(number);
    return false;
  }
  ZORBodyBuilder builder;
  builder.AddCopyOf(*cell);
  body = builder.Finish();
  if (!body) diagnostic = "The cell cannot be copied";
  return static_cast<bool>(body);
}

const bool registered = [] {
  for (int dimension = 0; dimension <= 2; ++dimension) {
    std::vector<IID> interfaces = ZORFeatureGeometry::Interfaces(dimension);
    interfaces.insert(interfaces.end(),
                      {ZORIMfBRep::ClassIID(), ZORIGeometricalElement::ClassIID()});
    ZORFeatureTypeRegistry::Get().Register(
        {kTypeNames[dimension], "BRep", "BRepFeature", interfaces, {"Support"}, ComputeCellBRep});
    ZORFillDictionary({"ZORBRepAccessExt", "ZORIBRepAccess", ZORIBRepAccess::ClassIID(),
                       kTypeNames[dimension], &ZORExtensionCreator<ZORBRepAccessExt>});
  }
  return true;
}();

}  // namespace

const char* ZORCellBRep::TypeName(int dimension) {
  return kTypeNames[std::clamp(dimension, 0, 2)];
}

ZORFeature_var ZORCellBRep::Create(ZORFeature& support, const ZORCell& cell) {
  ZORDocument* document = support.GetDocument();
  ZORBody_var body = support.GetResultBody();
  if (!document || !body || body->GetCell(cell.GetNumber()) != &cell) return nullptr;
  ZORFeature_var brep = document->CreateFeature(TypeName(cell.GetDimension()));
  if (!brep || FAILED(brep->SetInput("Support", ZORBaseUnknown_var(&support)))) return nullptr;
  brep->SetValue("Cell", cell.GetNumber());
  brep->Update();
  return brep;
}
