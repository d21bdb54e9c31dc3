#include "ZORGSOFactoryExt.h"

#include "ZORDocument.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORGSOFactoryExt", "ZORIGSOFactory", ZORIGSOFactory::ClassIID(),
                     "ZORFeatCont", &ZORExtensionCreator<ZORGSOFactoryExt>});
  return true;
}();

}  // namespace

ZORISpecObject_var ZORGSOFactoryExt::CreateGeometricalSet(const ZORISpecObject_var& father,
                                                          int position) {
  const ZORFeature* container = ZORFeature::From(GetExtendedObject());
  ZORFeature* host = ZORFeature::From(father.get());
  if (!container || !host || host->GetDocument() != container->GetDocument()) return nullptr;
  ZORIDescendants_var children(father);
  if (!children || position < 0 || position > children->GetNumberOfChildren() + 1) return nullptr;
  ZORFeature_var set = container->GetDocument()->CreateFeature("GeometricalSet", host);
  if (!set) return nullptr;
  ZORISpecObject_var created(set.get());
  if (position != 0) children->AddChild(created, position);
  return created;
}
