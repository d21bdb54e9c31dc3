#pragma once
// Gives a part ("MechanicalPart") its working-support set. The extension lives as long as the
// part, so the set and its supports go with the document.

#include "ZORBaseExtension.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORWENWorkingSupportSet.h"

class ZORWENWorkingSupportFactoryExt : public ZORBaseExtension,
                                       public ZORIWENWorkingSupportFactory {
  ZOR_DECLARE_CLASS(ZORWENWorkingSupportFactoryExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "Sketcher")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIWENWorkingSupportFactory)

  ZORWENWorkingSupportFactoryExt() = default;

  // Passes "ZORIWENWorkingSupportFactory::GetWorkingSupportSet" first.
  ZORIWENWorkingSupportSet_var GetWorkingSupportSet() override;

 private:
  ZORVar<ZORWENWorkingSupportSet> set_;
};
