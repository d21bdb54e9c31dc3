#pragma once
// Gives the document's container (late type "ZORFeatCont") its geometric factory. The
// extension lives as long as the container, so the factory and the bodies in it go with the
// document.

#include "ZORBaseExtension.h"
#include "ZORGeoFactory.h"
#include "ZORIGeometricContainer.h"

class ZORGeoContainerExt : public ZORBaseExtension, public ZORIGeometricContainer {
  ZOR_DECLARE_CLASS(ZORGeoContainerExt, ZORBaseExtension, ZORMetaObject::DataExtension, "Geometry")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIGeometricContainer)

  ZORGeoContainerExt() = default;

  // Passes "ZORIGeometricContainer::GetGeoFactory" first.
  ZORGeoFactory* GetGeoFactory() override;

 private:
  ZORGeoFactory_var factory_;
};
