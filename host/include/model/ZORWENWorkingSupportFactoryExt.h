#pragma once
// Gives a part ("MechanicalPart") its working-support set, and its section: the feature the
// current support lies on. The extension lives as long as the
// part, so the set and its supports go with the document.

#include "ZORBaseExtension.h"
#include "ZORIWENSection.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORWENWorkingSupportSet.h"

class ZORWENWorkingSupportFactoryExt : public ZORBaseExtension,
                                       public ZORIWENWorkingSupportFactory,
                                       public ZORIWENSection {
  ZOR_DECLARE_CLASS(ZORWENWorkingSupportFactoryExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "Sketcher")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIWENWorkingSupportFactory, ZORIWENSection)

  ZORWENWorkingSupportFactoryExt() = default;

  // Passes "ZORIWENWorkingSupportFactory::GetWorkingSupportSet" first.
  ZORIWENWorkingSupportSet_var GetWorkingSupportSet() override;
  ZORISpecObject_var GetSupportFeature() override;

 private:
  ZORVar<ZORWENWorkingSupportSet> set_;
};
