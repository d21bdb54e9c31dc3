#include "ZORCellFeaturizeExt.h"

#include "ZORCell.h"
#include "ZORDocument.h"
#include "ZORFeature.h"
#include "ZORInterfaceDictionary.h"
#include "ZORSpecObjectOf.h"

namespace {

const bool registered = [] {
  ZORFillDictionary({"ZORCellFeaturizeExt", "ZORIFeaturize", ZORIFeaturize::ClassIID(), "ZORCell",
                     &ZORExtensionCreator<ZORCellFeaturizeExt>});
  return true;
}();

}  // namespace

ZORISpecObject_var ZORCellFeaturizeExt::Featurize(ZORBaseUnknown* context, int mode) {
  const auto* cell = dynamic_cast<const ZORCell*>(GetExtendedObject());
  const ZORPoint* point = cell ? cell->GetPoint() : nullptr;
  ZORFeature* picked = ZORFeature::From(context);
  ZORFeature* tool = picked ? picked->GetFatherFeature() : nullptr;
  if (!point || !tool || mode != MfPermanentBody || !picked->GetDocument()) return nullptr;
  const ZORMathPoint& p = point->GetPoint();
  ZORFeature_var made = picked->GetDocument()->CreatePoint(p.GetX(), p.GetY(), p.GetZ(), tool);
  return made ? ZORSpecObjectOf(made.get()) : nullptr;
}
