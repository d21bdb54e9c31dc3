#pragma once
// The build path of every feature (see ZORIBuildPath): computed from the tree, or from the
// support and cell of a BRep feature, each time it is asked, so that it follows the tree.

#include "ZORFeatureExtension.h"
#include "ZORIBuildPath.h"

class ZORBuildPathExt : public ZORFeatureExtension, public ZORIBuildPath {
  ZOR_DECLARE_CLASS(ZORBuildPathExt, ZORFeatureExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")
  ZOR_IMPLEMENTS(ZORFeatureExtension, ZORIBuildPath)

  ZORBuildPathExt() = default;

  //! Passes "ZORIBuildPath::BuildPathElement" first.
  HRESULT BuildPathElement(const ZORPathElement& from, ZORPathElement& path) override;
};
