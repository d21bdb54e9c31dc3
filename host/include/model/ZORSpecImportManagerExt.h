#pragma once
// Gives a part ("MechanicalPart") its import manager: the linearity rules of its tree.

#include "ZORBaseExtension.h"
#include "ZORISpecImportManager.h"

class ZORSpecImportManagerExt : public ZORBaseExtension, public ZORISpecImportManager {
  ZOR_DECLARE_CLASS(ZORSpecImportManagerExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "MechanicalModeler")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORISpecImportManager)

  ZORSpecImportManagerExt() = default;

  // Both pass "ZORISpecImportManager::<operation>" first.
  HRESULT BuildPath(const ZORISpecObject_var& feature, const ZORPathElement& from,
                    ZORPathElement& path) override;
  HRESULT CheckLinearity(const ZORPathElement& path, const ZORPathElement& from) override;

 private:
  bool StartsAtMyPart(const ZORPathElement& path) const;
};
