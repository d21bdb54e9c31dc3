#include "ZORSketchExt.h"

#include "ZORFeature.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORInterfaceDictionary.h"

namespace {

bool ComputeSketch(const ZORFeature& sketch, ZORBody_var& body, std::string& diagnostic) {
  const ZORFeature* support = sketch.GetInput("Support");
  ZORBody_var plane = support ? support->GetResultBody() : nullptr;
  if (!plane || plane->GetHighestDimension() != 2) {
    diagnostic = support ? "The support is not a plane" : "Input Support is missing";
    return false;
  }
  body = plane;
  return true;
}

const bool registered = [] {
  ZORFeatureTypeRegistry::Get().Register(
      {"Sketch",
       "Sketch",
       "",
       {ZORISpecObject::ClassIID(), ZORIVisProperties::ClassIID(),
        ZORIGraphicProperties::ClassIID(), ZORIModelEvents::ClassIID(), ZORIPathAccess::ClassIID(),
        LifeCycleObject::ClassIID(), ZORISpecAttrAccess::ClassIID(), ZORISpecScan::ClassIID(),
        ZORIRedrawEvent::ClassIID(), ZORIUpdateError::ClassIID(),
        ZORILineicGraphicProperties::ClassIID()},
       {"Support"},
       ComputeSketch});
  ZORFillDictionary({"ZORSketchExt", "ZORISketch", ZORISketch::ClassIID(), "Sketch",
                     &ZORExtensionCreator<ZORSketchExt>});
  return true;
}();

}  // namespace

ZORISpecObject_var ZORSketchExt::GetSketchSupport() {
  const ZORFeature* sketch = ZORFeature::From(GetExtendedObject());
  ZORFeature* support = sketch ? sketch->GetInput("Support") : nullptr;
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(support));
}
