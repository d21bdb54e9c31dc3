// The feature types that join or heal elements: "WENAssemble" and "WENHealing", each with up to
// three elements as inputs. Their updates can be long, which is why the workbench gives them an
// update interruption; the host computes no result for them.

#include "ZORFeature.h"
#include "ZORFeatureTypeRegistry.h"

namespace {

std::vector<IID> AssembleInterfaces() {
  return {ZORISpecObject::ClassIID(),        ZORIVisProperties::ClassIID(),
          ZORIGraphicProperties::ClassIID(), ZORIModelEvents::ClassIID(),
          ZORIPathAccess::ClassIID(),        LifeCycleObject::ClassIID(),
          ZORISpecAttrAccess::ClassIID(),    ZORISpecScan::ClassIID(),
          ZORIMechanicalFeature::ClassIID(), ZORIRedrawEvent::ClassIID(),
          ZORINavigateObject::ClassIID(),    ZORIUpdateError::ClassIID()};
}

const bool registered = [] {
  for (const char* name : {"WENAssemble", "WENHealing"}) {
    ZORFeatureTypeRegistry::Get().Register({name,
                                            name + 3,  // "Assemble.1", "Healing.1"
                                            "",
                                            AssembleInterfaces(),
                                            {"Element1", "Element2", "Element3"},
                                            nullptr});
  }
  return true;
}();

}  // namespace
