#pragma once
// The geometrical-set factory of a document's container ("ZORFeatCont").

#include "ZORBaseExtension.h"
#include "ZORIGSOFactory.h"

class ZORGSOFactoryExt : public ZORBaseExtension, public ZORIGSOFactory {
  ZOR_DECLARE_CLASS(ZORGSOFactoryExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIGSOFactory)

  ZORGSOFactoryExt() = default;

  ZORISpecObject_var CreateGeometricalSet(const ZORISpecObject_var& father, int position) override;
};
